// The random user: its actions, its answers, its printer and its report.
#include "random_user.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QInputMethodEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <csignal>
#include <cstdio>

#include "a4_pdf.h"
#include "clickable_label.h"
#include "control_driver.h"
#include "plane/plane_view.h"
#include "practice/practice_window.h"
#include "print/print_target.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

const RandomUser* reporting = nullptr;  // the user whose events a crash reports

// An object's name for the report: its own, or its class inside the nearest named parent.
QString NameOf(const QObject* object) {
    if (object == nullptr) {
        return QStringLiteral("nothing");
    }
    if (!object->objectName().isEmpty()) {
        return object->objectName();
    }
    QString name = QString::fromLatin1(object->metaObject()->className());
    if (const auto* action = qobject_cast<const QAction*>(object)) {
        name = u'「' + action->text() + u'」';
    }
    for (const QObject* up = object->parent(); up != nullptr; up = up->parent()) {
        if (!up->objectName().isEmpty() && !up->objectName().startsWith(QStringLiteral("qt_"))) {
            return name + QStringLiteral(" in ") + up->objectName();
        }
    }
    return name;
}

QString Shown(const QString& text) {
    QString shown = text.left(40);
    shown.replace(u'\n', u'⏎');
    return u'「' + shown + (text.size() > 40 ? QStringLiteral("…」") : QStringLiteral("」"));
}

QString At(QPoint p) {
    return QStringLiteral("(%1,%2)").arg(p.x()).arg(p.y());
}

QString ButtonName(Qt::MouseButton button) {
    return button == Qt::LeftButton    ? QStringLiteral("left")
           : button == Qt::RightButton ? QStringLiteral("right")
                                       : QStringLiteral("middle");
}

// The mouse's events are sent to the widget as QTest sends its presses; QTest's own moves without
// a button would move the cursor and run the event loop instead.
void SendMouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers modifiers, QPoint at) {
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, buttons,
                      modifiers);
    QApplication::sendEvent(widget, &event);
}

// A click as the mouse makes it; a handler may close or delete the widget in between.
void Click(QWidget* widget, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at,
           bool twice) {
    const QPointer<QWidget> alive(widget);
    for (int i = 0; i < (twice ? 2 : 1) && alive; ++i) {
        SendMouse(widget, i == 0 ? QEvent::MouseButtonPress : QEvent::MouseButtonDblClick, button,
                  button, modifiers, at);
        if (alive) {
            SendMouse(widget, QEvent::MouseButtonRelease, button, Qt::NoButton, modifiers, at);
        }
    }
}

// What the user types, split at "|": numbers the boxes take or refuse, Japanese, texts Shift-JIS
// cannot hold, and the lines of graphs for the unit contents.
const QStringList Snippets =
    QString::fromUtf16(
        u"|0|1|-3|5|16|20|-99|99|384|400|-400|4096|99999999999| 12 |abc|1,2|-|+7"
        u"|比例|一次関数のグラフ|１２３|ｱｲｳｴｵ|〜|～|−|①②|髙橋|[題]|題,名|\U0001F600|é"
        u"|\n|a\nb|255,16\ny=x\n0,0\n1,1\n0,0\n0,0"
        u"|255,19\n(  2,  3)\n2,3\n5,99\n0,0\n0,0")
        .split(u'|');

// The keys the user presses: moves, Enter, Space and Shift+Enter on the planes, the lists' and
// boxes' keys, the shortcuts, F1 and the menus' Alt keys.
const QStringList Keys =
    QStringLiteral(
        "Left|Right|Up|Down|Shift+Left|Shift+Up|Ctrl+Right|Ctrl+Down|Return|Enter|Space"
        "|Shift+Return|Esc|Del|Backspace|Tab|Shift+Backtab|Home|End|PgDown|Ctrl+Z|Ctrl+Y"
        "|Ctrl+Shift+Z|Ctrl+A|Ctrl+C|Ctrl+V|F1|Alt+F|Alt+E|1|A")
        .split(u'|');

// The printer stand-in: the print dialog is answered at random, jobs are drawn small into memory
// or into a PDF in memory, and now and then the printer refuses a job.
class RandomPrinter final : public PrintTarget {
  public:
    explicit RandomPrinter(std::function<bool(int, const QString&)> decide)
        : decide_(std::move(decide)) {}
    QSize pageSize() const override { return page_; }
    bool chooseSetup(QWidget*) override {
        if (!decide_(75, QStringLiteral("answer OK to the print dialog"))) {
            return false;
        }
        const QSize pages[] = {{2480, 3508}, {3508, 2480}, {600, 900}, {40, 60}};
        page_ = pages[copies_ % 4];
        copies_ = copies_ % 3 + 1;
        return true;
    }
    int copies() const override { return copies_; }
    bool beginJob() override { return decide_(90, QStringLiteral("the printer takes the job")); }
    void drawPage(const QImage& picture, const QRect& target) override {
        QImage page((page_ / 16).expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        QPainter painter(&page);
        painter.scale(1.0 / 16, 1.0 / 16);
        painter.drawImage(target, picture);
    }
    void endJob() override {}
    bool printPages(const std::function<void(QPainter&, QPagedPaintDevice&)>& paint) override {
        if (!decide_(90, QStringLiteral("the printer takes the job"))) {
            return false;
        }
        PaintA4Pdf(paint);
        return true;
    }

  private:
    std::function<bool(int, const QString&)> decide_;
    QSize page_{2480, 3508};
    int copies_ = 1;
};

// A widget the user can reach in the window in front.
bool Usable(const QWidget* widget, const QWidget& window) {
    return widget->isVisible() && widget->isEnabled() && widget->window() == &window;
}

template <class T>
QList<T*> UsableOf(QWidget& window, const std::function<bool(T*)>& wanted = nullptr) {
    QList<T*> found;
    for (T* widget : window.findChildren<T*>()) {
        if (Usable(widget, window) && (!wanted || wanted(widget))) {
            found.append(widget);
        }
    }
    return found;
}

// Ending the program is chosen seldom, or drawings would rarely grow.
bool Seldom(const QAction* command) {
    return command->objectName() == QStringLiteral("mnuEnd");
}

void CollectCommands(const QMenu* menu, QList<QAction*>* commands) {
    for (QAction* item : menu->actions()) {
        if (item->isSeparator() || !item->isEnabled() || !item->isVisible()) {
            continue;
        }
        if (item->menu() != nullptr) {
            CollectCommands(item->menu(), commands);
        } else {
            commands->append(item);
        }
    }
}

}  // namespace

struct RandomUser::Action {
    const char* kind;
    int weight;
    bool (RandomUser::*run)(QWidget& window);
};

const RandomUser::Action RandomUser::Actions[] = {
    {"plane", 34, &RandomUser::PlaneMouse},
    {"click", 22, &RandomUser::ClickControl},
    {"row", 10, &RandomUser::ClickListRow},
    {"key", 14, &RandomUser::PressKey},
    {"type", 8, &RandomUser::TypeText},
    {"menu", 8, &RandomUser::MenuCommand},
    {"switch", 2, &RandomUser::SwitchWindow},
    {"close", 1, &RandomUser::CloseWindow},
    {"wait", 1, &RandomUser::Wait},
    {"answer", 60, &RandomUser::AnswerPractice},
    {"enter", 6, &RandomUser::ConfirmDialog},
    {"resize", 1, &RandomUser::ResizeWindow},
    {"clipboard", 3, &RandomUser::UseClipboard},
};

RandomUser::RandomUser(uint64_t seed, const QString& sandbox, const QString& startDir)
    : rng_(seed), seed_(seed), sandbox_(QDir::cleanPath(sandbox)), startDir_(startDir) {
    for (const Action& action : Actions) {
        weights_.push_back(action.weight * (1 + Below(4)) / 2 + 1);
    }
    InstallDialogs(this);
    InstallPrinterMaker([this] {
        return std::make_unique<RandomPrinter>([this](int percent, const QString& line) {
            const bool yes = Chance(percent);
            Log(yes ? line : QStringLiteral("not: ") + line);
            return yes;
        });
    });
    reporting = this;
    for (int signal : {SIGABRT, SIGFPE, SIGILL, SIGBUS}) {
        std::signal(signal, &RandomUser::OnCrash);
    }
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback([] { OnCrash(0); });
#else
    std::signal(SIGSEGV, &RandomUser::OnCrash);
#endif
}

RandomUser::~RandomUser() {
    reporting = nullptr;
    InstallPrinterMaker(nullptr);
    InstallDialogs(nullptr);
}

void RandomUser::OnCrash(int signal) {
    if (reporting != nullptr) {
        const std::string head =
            "\nThe random user's seed " + std::to_string(reporting->seed_) + ", its last events:\n";
        (void)!write(STDERR_FILENO, head.data(), head.size());
        const int from = std::max(0, reporting->logged_ - KeptEvents);
        for (int i = from; i < reporting->logged_; ++i) {
            const std::string& line = reporting->recent_[i % KeptEvents];
            (void)!write(STDERR_FILENO, line.data(), line.size());
        }
        reporting = nullptr;
    }
    if (signal != 0) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
    }
}

void RandomUser::Log(const QString& line) {
    const std::string text = (QString::number(events_) + QStringLiteral(": ") + line).toStdString();
    recent_[logged_ % KeptEvents] = text + '\n';
    ++logged_;
    if (qEnvironmentVariableIsSet("TESMARA_RANDOM_TRACE")) {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
}

QString RandomUser::Report() const {
    QStringList lines{QStringLiteral("seed %1, %2 events; the last ones:").arg(seed_).arg(events_)};
    for (int i = std::max(0, logged_ - KeptEvents); i < logged_; ++i) {
        lines.append(QString::fromStdString(recent_[i % KeptEvents]).trimmed());
    }
    return lines.join(u'\n');
}

QString RandomUser::Summary() const {
    QStringList lines;
    for (const auto& [what, count] : counts_) {
        lines.append(what + QStringLiteral(": ") + QString::number(count));
    }
    return lines.join(QStringLiteral(", "));
}

bool RandomUser::Outside(const QString& path) const {
    return path.startsWith(u'/') && !(QDir::cleanPath(path) + u'/').startsWith(sandbox_ + u'/');
}

QWidget& RandomUser::Front(QWidget& fallback) {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return *modal;
    }
    if (beside_ == nullptr || !beside_->isVisible() || !beside_->isEnabled()) {
        beside_ = &fallback;
    }
    return *beside_;
}

void RandomUser::Step(QWidget& mainWindow) {
    if (events_ >= limit_) {
        return;
    }
    ++events_;
    if (WorkPopup()) {
        return;
    }
    QWidget& window = Front(mainWindow);
    if (QApplication::activeWindow() != &window) {
        QApplication::setActiveWindow(&window);  // the user clicks into it first
    }
    int total = 0;
    for (int weight : weights_) {
        total += weight;
    }
    for (int tries = 0; tries < 20; ++tries) {
        int roll = Below(total);
        size_t chosen = 0;
        while (roll >= weights_[chosen]) {
            roll -= weights_[chosen++];
        }
        const Action& action = Actions[chosen];
        if ((this->*action.run)(window)) {
            ++counts_[QString::fromLatin1(action.kind)];
            return;
        }
    }
    Wait(window);
}

bool RandomUser::PowerCut() {
    if (events_ >= limit_ || Below(1000) != 0) {
        return false;
    }
    Log(QStringLiteral("the power is cut"));
    return true;
}

bool RandomUser::WorkPopup() {
    QWidget* popup = QApplication::activePopupWidget();
    if (popup == nullptr) {
        return false;
    }
    ++counts_[QStringLiteral("popup")];
    QList<QAction*> commands;
    auto* menu = qobject_cast<QMenu*>(popup);
    if (menu != nullptr) {
        CollectCommands(menu, &commands);
    }
    QAction* command = commands.isEmpty() ? nullptr : commands[Below(commands.size())];
    if (command != nullptr && Chance(70) && !(Seldom(command) && Chance(90))) {
        if (Chance(15) && menu->actions().contains(command)) {
            // F1 over the highlighted command opens its help topic.
            menu->setActiveAction(command);
            Log(QStringLiteral("key F1 on ") + NameOf(command));
            QTest::keyClick(menu, Qt::Key_F1);
            return true;
        }
        Log(QStringLiteral("menu ") + NameOf(command));
        // Choosing a command closes every open menu first, as a click on it does.
        while (QWidget* open = QApplication::activePopupWidget()) {
            open->close();
        }
        command->trigger();
        return true;
    }
    Log(QStringLiteral("key Escape on ") + NameOf(popup));
    QTest::keyClick(popup, Qt::Key_Escape);
    if (QApplication::activePopupWidget() == popup) {
        popup->close();
    }
    return true;
}

bool RandomUser::PlaneMouse(QWidget& window) {
    if (held_ != nullptr && !Usable(held_, window)) {
        held_ = nullptr;  // its window closed or another came in front: the release is lost
    }
    const QList<PlaneView*> planes = UsableOf<PlaneView>(window);
    if (planes.isEmpty()) {
        return false;
    }
    PlaneView* plane =
        held_ != nullptr ? static_cast<PlaneView*>(held_.data()) : planes[Below(planes.size())];
    // Mostly near a lattice point, sometimes anywhere about the plane, outside the grid too.
    const PlaneGeometry& g = plane->planeGeometry();
    QPoint at;
    if (Chance(85)) {
        const LatticePoint p{g.xMin - 1 + Below(g.xMax - g.xMin + 3),
                             g.yMin - 1 + Below(g.yMax - g.yMin + 3)};
        at = g.LatticeToPixel(p) + QPoint(Below(7) - 3, Below(7) - 3);
    } else {
        at = QPoint(Below(plane->width() + 20) - 10, Below(plane->height() + 20) - 10);
    }
    const QString where = At(at) + QStringLiteral(" on ") + NameOf(plane);
    if (held_ != nullptr) {
        const Qt::MouseButton button = heldButton_;
        if (Chance(60)) {
            Log(QStringLiteral("drag to ") + where);
            SendMouse(plane, QEvent::MouseMove, Qt::NoButton, button, {}, at);
        } else {
            Log(QStringLiteral("release ") + ButtonName(button) + QStringLiteral(" at ") + where);
            held_ = nullptr;
            SendMouse(plane, QEvent::MouseButtonRelease, button, Qt::NoButton, {}, at);
        }
        return true;
    }
    const int roll = Below(100);
    if (roll < 45) {
        Log(QStringLiteral("move to ") + where);
        SendMouse(plane, QEvent::MouseMove, Qt::NoButton, Qt::NoButton, {}, at);
        return true;
    }
    const Qt::MouseButton button = roll < 85   ? Qt::LeftButton
                                   : roll < 97 ? Qt::RightButton
                                               : Qt::MiddleButton;
    const Qt::KeyboardModifiers modifiers = Chance(10) ? Qt::ControlModifier : Qt::NoModifier;
    const QString ctrl = modifiers ? QStringLiteral("ctrl+") : QString();
    if (Chance(35)) {
        Log(QStringLiteral("click ") + ctrl + ButtonName(button) + QStringLiteral(" at ") + where);
        Click(plane, button, modifiers, at, false);
        return true;
    }
    Log(QStringLiteral("press ") + ctrl + ButtonName(button) + QStringLiteral(" at ") + where);
    held_ = plane;
    heldButton_ = button;
    SendMouse(plane, QEvent::MouseButtonPress, button, button, modifiers, at);
    return true;
}

bool RandomUser::AnswerPractice(QWidget& window) {
    // A student who knows the answer clicks the question's points; random clicks alone would
    // seldom finish a run and record it.
    const QPointer<TfrmRenshu> practice = qobject_cast<TfrmRenshu*>(&window);
    QWidget* plane = practice != nullptr ? Control(*practice, "imgCood") : nullptr;
    if (practice == nullptr || !Usable(plane, window)) {
        return false;
    }
    Log(QStringLiteral("answer the question on imgCood"));
    for (int click = 0; click < 2 && practice != nullptr && practice->isVisible(); ++click) {
        const PracticeSession& session = practice->Session();
        if (session.Finished() || (click == 1 && session.AnswerState() == 0)) {
            break;
        }
        const TLineSpec& question = session.Current();
        const LatticePoint p = session.AnswerState() == 0 ? question.P1 : question.P2;
        const QPoint at = practice->Geometry().LatticeToPixel(p);
        Log(QStringLiteral("click left at ") + At(at) + QStringLiteral(" on imgCood"));
        SendMouse(plane, QEvent::MouseMove, Qt::NoButton, Qt::NoButton, {}, at);
        Click(plane, Qt::LeftButton, {}, at, false);
    }
    return true;
}

bool RandomUser::ConfirmDialog(QWidget& window) {
    // Enter in a window that is a dialog: its default button, as a user hurries on.
    if (qobject_cast<QDialog*>(&window) == nullptr) {
        return false;
    }
    QWidget* focus = window.focusWidget() != nullptr ? window.focusWidget() : &window;
    Log(QStringLiteral("key Return on ") + NameOf(focus));
    QTest::keyClick(focus, Qt::Key_Return);
    return true;
}

bool RandomUser::ClickControl(QWidget& window) {
    const QList<QWidget*> controls = UsableOf<QWidget>(window, [](QWidget* w) {
        // A tool button with a menu (the menu bar's extension, when the window is narrow) runs
        // the menu in an event loop of its own, which no test can answer.
        if (const auto* tool = qobject_cast<QToolButton*>(w); tool != nullptr && tool->menu()) {
            return false;
        }
        return qobject_cast<QAbstractButton*>(w) != nullptr ||
               qobject_cast<QAbstractSlider*>(w) != nullptr ||
               qobject_cast<ClickableLabel*>(w) != nullptr ||
               (qobject_cast<ImageView*>(w) != nullptr && qobject_cast<PlaneView*>(w) == nullptr);
    });
    if (controls.isEmpty()) {
        return false;
    }
    QWidget* control = controls[Below(controls.size())];
    const QPoint at = Chance(70) ? control->rect().center()
                                 : QPoint(Below(control->width()), Below(control->height()));
    Log(QStringLiteral("click left at ") + At(at) + QStringLiteral(" on ") + NameOf(control));
    Click(control, Qt::LeftButton, {}, at, false);
    return true;
}

bool RandomUser::ClickListRow(QWidget& window) {
    const QList<QListView*> lists = UsableOf<QListView>(window);
    if (lists.isEmpty()) {
        return false;
    }
    QListView* list = lists[Below(lists.size())];
    const int row = Below(list->model()->rowCount() + 1);  // the last one: below the rows
    const QModelIndex item = list->model()->index(row, 0);
    // Folders outside the sandbox are never opened.
    if (item.isValid() && Outside(item.data(Qt::UserRole).toString())) {
        return false;
    }
    QPoint at(4 + Below(20), list->viewport()->height() - 3);
    if (item.isValid()) {
        list->scrollTo(item);
        at = list->visualRect(item).center();
    }
    const Qt::MouseButton button = Chance(85) ? Qt::LeftButton : Qt::RightButton;
    const int roll = Below(100);
    const Qt::KeyboardModifiers modifiers = roll < 70   ? Qt::NoModifier
                                            : roll < 85 ? Qt::ControlModifier
                                                        : Qt::ShiftModifier;
    const bool twice = Chance(10);
    Log(QStringLiteral("%1 %2%3 on row %4 of %5")
            .arg(twice ? QStringLiteral("double-click") : QStringLiteral("click"),
                 modifiers == Qt::ControlModifier ? QStringLiteral("ctrl+")
                 : modifiers == Qt::ShiftModifier ? QStringLiteral("shift+")
                                                  : QString(),
                 ButtonName(button))
            .arg(row)
            .arg(NameOf(list)));
    Click(list->viewport(), button, modifiers, at, twice);
    return true;
}

bool RandomUser::PressKey(QWidget& window) {
    QWidget* focus = QApplication::focusWidget();
    if (Chance(30)) {
        // The keys go somewhere else: the user clicked or tabbed there first.
        const QList<QWidget*> takers = UsableOf<QWidget>(
            window, [](QWidget* w) { return (w->focusPolicy() & Qt::TabFocus) != 0; });
        if (!takers.isEmpty()) {
            focus = takers[Below(takers.size())];
            focus->setFocus(Qt::TabFocusReason);
        }
    }
    if (focus == nullptr || focus->window() != &window) {
        focus = &window;
    }
    QKeyCombination key = QKeySequence(Keys[Below(Keys.size())])[0];
    // A box that lists places outside the sandbox is only left, never turned.
    if (const auto* box = qobject_cast<QComboBox*>(focus)) {
        for (int i = 0; i < box->count(); ++i) {
            if (Outside(box->itemData(i).toString())) {
                key = QKeyCombination(Qt::Key_Tab);
            }
        }
    }
    Log(QStringLiteral("key ") + QKeySequence(key).toString() + QStringLiteral(" on ") +
        NameOf(focus));
    QTest::keyClick(focus, key.key(), key.keyboardModifiers());
    return true;
}

void RandomUser::Type(QWidget& target, const QString& text) {
    const QPointer<QWidget> alive(&target);
    for (qsizetype i = 0; i < text.size() && alive;) {
        qsizetype end = i;
        const bool plain = text[i].unicode() < 0x80;
        while (end < text.size() && (text[end].unicode() < 0x80) == plain) {
            ++end;
        }
        const QString run = text.mid(i, end - i);
        if (plain) {
            // Letters and digits come as keys, a line end as Return.
            const QStringList lines = run.split(u'\n');
            for (qsizetype l = 0; l < lines.size() && alive; ++l) {
                if (l > 0) {
                    QTest::keyClick(alive, Qt::Key_Return);
                }
                if (!lines[l].isEmpty() && alive) {
                    QTest::keyClicks(alive, lines[l]);
                }
            }
        } else {
            // Japanese comes from the input method, committed whole.
            QInputMethodEvent commit;
            commit.setCommitString(run);
            QApplication::sendEvent(alive, &commit);
        }
        i = end;
    }
}

QList<QWidget*> RandomUser::TextBoxes(QWidget& window) {
    return UsableOf<QWidget>(window, [](QWidget* w) {
        if (const auto* line = qobject_cast<QLineEdit*>(w)) {
            return !line->isReadOnly() && qobject_cast<QAbstractSpinBox*>(w->parent()) == nullptr;
        }
        if (const auto* spin = qobject_cast<QAbstractSpinBox*>(w)) {
            return !spin->isReadOnly();
        }
        const auto* memo = qobject_cast<QPlainTextEdit*>(w);
        return memo != nullptr && !memo->isReadOnly();
    });
}

bool RandomUser::TypeText(QWidget& window) {
    const QList<QWidget*> boxes = TextBoxes(window);
    if (boxes.isEmpty()) {
        return false;
    }
    QWidget* box = boxes[Below(boxes.size())];
    const QString text = Snippets[Below(Snippets.size())];
    const bool replace = Chance(50);
    Log(QStringLiteral("type ") + Shown(text) +
        (replace ? QStringLiteral(" over all of ") : QStringLiteral(" into ")) + NameOf(box));
    box->setFocus(Qt::MouseFocusReason);
    const QPointer<QWidget> alive(box);
    if (replace) {
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    }
    if (alive) {
        Type(*alive, text);
    }
    return true;
}

bool RandomUser::UseClipboard(QWidget& window) {
    // What another program put on the clipboard: a picture to paste on the plane, or a text,
    // lines and all, that the user pastes into a box at once.
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (Chance(30)) {
        QImage picture(1 + Below(700), 1 + Below(500), QImage::Format_RGB32);
        picture.fill(QColor::fromRgb(QRgb(rng_())));
        Log(QStringLiteral("copy a picture of %1x%2 elsewhere")
                .arg(picture.width())
                .arg(picture.height()));
        clipboard->setImage(picture);
        return true;
    }
    const QList<QWidget*> boxes = TextBoxes(window);
    if (boxes.isEmpty()) {
        return false;
    }
    QWidget* box = boxes[Below(boxes.size())];
    const QString text = Snippets[Below(Snippets.size())];
    Log(QStringLiteral("paste ") + Shown(text) + QStringLiteral(" into ") + NameOf(box));
    clipboard->setText(text);
    box->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    return true;
}

bool RandomUser::MenuCommand(QWidget& window) {
    const auto* main = qobject_cast<QMainWindow*>(&window);
    if (main == nullptr) {
        return false;
    }
    QList<QAction*> commands;
    for (const QAction* top : main->menuBar()->actions()) {
        if (top->isEnabled() && top->menu() != nullptr) {
            CollectCommands(top->menu(), &commands);
        }
    }
    if (commands.isEmpty()) {
        return false;
    }
    QAction* command = commands[Below(commands.size())];
    if (Seldom(command) && Chance(90)) {
        return false;
    }
    Log(QStringLiteral("menu ") + NameOf(command));
    command->trigger();
    return true;
}

bool RandomUser::SwitchWindow(QWidget&) {
    if (QApplication::activeModalWidget() != nullptr) {
        return false;
    }
    QList<QWidget*> windows;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->isEnabled() && w->windowType() != Qt::Popup &&
            w->windowType() != Qt::ToolTip) {
            windows.append(w);
        }
    }
    if (windows.size() < 2) {
        return false;
    }
    // The application keeps its windows in no fixed order; the same seed must choose the same.
    std::sort(windows.begin(), windows.end(),
              [](const QWidget* a, const QWidget* b) { return NameOf(a) < NameOf(b); });
    beside_ = windows[Below(windows.size())];
    Log(QStringLiteral("switch to ") + NameOf(beside_));
    QApplication::setActiveWindow(beside_);
    return true;
}

bool RandomUser::CloseWindow(QWidget& window) {
    // The program's own window closes rarely: it ends the program.
    if (qobject_cast<QMainWindow*>(&window) != nullptr && Chance(90)) {
        return false;
    }
    Log(QStringLiteral("close ") + NameOf(&window));
    window.close();
    return true;
}

bool RandomUser::Wait(QWidget&) {
    Log(QStringLiteral("wait"));
    QCoreApplication::processEvents();
    return true;
}

bool RandomUser::ResizeWindow(QWidget& window) {
    const QSize size(200 + Below(1400), 150 + Below(1000));
    Log(QStringLiteral("resize %1 to %2x%3")
            .arg(NameOf(&window))
            .arg(size.width())
            .arg(size.height()));
    window.resize(size);
    return true;
}

int RandomUser::ShowModal(QDialog& window) {
    const QString name = NameOf(&window);
    ++counts_[QStringLiteral("window ") + name];
    Log(name + QStringLiteral(" opens"));
    // As QDialog::exec does it, without its event loop: the user works the window in place.
    const QPointer<QDialog> dialog(&window);
    const bool wasModal = window.testAttribute(Qt::WA_ShowModal);
    window.setAttribute(Qt::WA_ShowModal, true);
    window.setResult(0);
    window.show();
    ++depth_;
    int refusals = 0;
    // The user is done with a window now and then, and with every window at the end; a window
    // with a plane (a practice, the units' preview) keeps the user longer.
    const int leaving = window.findChild<PlaneView*>() != nullptr ? 1 : 3 + 2 * depth_;
    while (dialog != nullptr && dialog->isVisible()) {
        if (events_ < limit_ && !Chance(leaving)) {
            Step(*dialog);
            continue;
        }
        if (refusals++ == 4) {
            ADD_FAILURE() << name.toStdString() << " cannot be closed\n" << Report().toStdString();
            dialog->done(QDialog::Rejected);
            break;
        }
        if (Chance(50)) {
            Log(QStringLiteral("close ") + name);
            dialog->close();
        } else {
            QWidget* focus = dialog->focusWidget() != nullptr ? dialog->focusWidget() : dialog;
            Log(QStringLiteral("key Esc on ") + NameOf(focus));
            QTest::keyClick(focus, Qt::Key_Escape);
        }
    }
    --depth_;
    if (dialog == nullptr) {
        return ModalCancel;
    }
    window.setAttribute(Qt::WA_ShowModal, wasModal);
    Log(name + QStringLiteral(" closed with %1").arg(window.result()));
    return window.result() == QDialog::Rejected ? int(ModalCancel) : window.result();
}

void RandomUser::ShowMessage(const QString& text) {
    ++counts_[QStringLiteral("message")];
    Log(QStringLiteral("message ") + Shown(text));
}

Answer RandomUser::ConfirmYesNo(const QString& text) {
    const Answer answer = Chance(50) ? Answer::Yes : Answer::No;
    Log((answer == Answer::Yes ? QStringLiteral("answer Yes to ")
                               : QStringLiteral("answer No to ")) +
        Shown(text));
    return answer;
}

Answer RandomUser::ConfirmYesNoCancel(const QString& text) {
    const Answer answers[] = {Answer::Yes, Answer::No, Answer::Cancel};
    const char* names[] = {"Yes", "No", "Cancel"};
    const int i = Below(3);
    Log(QStringLiteral("answer %1 to ").arg(QLatin1String(names[i])) + Shown(text));
    return answers[i];
}

std::optional<int32_t> RandomUser::ChooseColour(int32_t) {
    if (Chance(30)) {
        Log(QStringLiteral("answer Cancel to the colour dialog"));
        return std::nullopt;
    }
    const int32_t colour = int32_t(rng_() & 0xFFFFFF);
    Log(QStringLiteral("answer colour %1").arg(colour, 6, 16, QLatin1Char('0')));
    return colour;
}

QString RandomUser::PickFile(bool saving) {
    const QString data = startDir_ + QStringLiteral("DATA/");
    const QStringList present = QDir(data).entryList(QDir::Files, QDir::Name);
    const int roll = Below(10);
    QString path;
    if (roll < 4 && !present.isEmpty()) {
        path = data + present[Below(present.size())];
    } else if (roll < 8) {
        const char* endings[] = {".lin", "", ".txt", ".cai", ".v2.lin"};
        path = data + QStringLiteral("r%1").arg(Below(4)) + QLatin1String(endings[Below(5)]);
    } else if (roll == 8) {
        path = startDir_ + (saving ? QStringLiteral("missing/r.lin") : QStringLiteral("Index.ini"));
    }
    Log(path.isEmpty() ? QStringLiteral("answer Cancel to the file dialog")
                       : QStringLiteral("answer file ") + path.mid(startDir_.size()));
    return path;
}

QString RandomUser::ChooseOpenFile(const QString&, const QString&, const QStringList&) {
    return PickFile(false);
}

QString RandomUser::ChooseSaveFile(const QString&, const QString&, const QStringList&) {
    return PickFile(true);
}
