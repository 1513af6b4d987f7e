// Opens every window of the program on the screen the platform reports (run it with
// QT_QPA_PLATFORM=offscreen:configfile=SCREEN.json to choose the screen's size and scale) and
// names each control that lies outside the screen's free area or is cut by the control it sits
// in. Exits 1 when there is one, so a window that a small or scaled screen would cut is caught.
#include <QAbstractScrollArea>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>
#include <QToolButton>
#include <cstdio>

#include "fonts.h"
#include "main/main_window.h"
#include "practice/practice_window.h"
#include "scripted_dialogs.h"
#include "units/tangen_open_window.h"
#include "window_fixture.h"

namespace {

QStringList faults;

QString NameOf(const QWidget& widget) {
    QString name = widget.objectName().isEmpty()
                       ? QString::fromLatin1(widget.metaObject()->className())
                       : widget.objectName();
    return widget.window()->objectName() + u'/' + name;
}

QString Text(const QRect& r) {
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QRect GlobalRect(const QWidget& widget) {
    return QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size());
}

// A control inside a scrolled view is reached by scrolling it: only the view itself must fit.
bool InsideScrolledView(const QWidget& widget, const QWidget& window) {
    for (const QWidget* up = widget.parentWidget(); up != nullptr && up != &window;
         up = up->parentWidget()) {
        if (qobject_cast<const QAbstractScrollArea*>(up) != nullptr) {
            return true;
        }
    }
    return false;
}

// The text of a label or button that its control is too small to show whole. Its width is
// what the control asks for (a push or tool button, whose style asks more than its text needs:
// the text's advance); its height is the ink of its letters, since a font's line (Noto Sans CJK's
// is half as tall again as its letters) may overhang a control without hiding anything.
QString CutText(const QWidget& control) {
    const auto* label = qobject_cast<const QLabel*>(&control);
    const auto* button = qobject_cast<const QAbstractButton*>(&control);
    QString text = label ? label->text() : button ? button->text() : QString();
    if (text.isEmpty() || (label && label->wordWrap())) {
        return QString();
    }
    const bool plainButton =
        qobject_cast<const QPushButton*>(&control) || qobject_cast<const QToolButton*>(&control);
    text.remove(u'&');
    const QSize needed(
        plainButton ? control.fontMetrics().horizontalAdvance(text) : control.sizeHint().width(),
        control.fontMetrics().tightBoundingRect(text).height());
    if (needed.width() <= control.width() && needed.height() <= control.height()) {
        return QString();
    }
    return text + QStringLiteral(" (%1x%2 in %3x%4)")
                      .arg(needed.width())
                      .arg(needed.height())
                      .arg(control.width())
                      .arg(control.height());
}

// A child of a group box that lies over the group's caption.
QString OverCaption(const QWidget& control) {
    const auto* group = qobject_cast<const QGroupBox*>(control.parentWidget());
    if (group == nullptr || group->title().isEmpty()) {
        return QString();
    }
    QStyleOptionGroupBox option;
    option.initFrom(group);
    option.text = group->title();
    option.subControls = QStyle::SC_GroupBoxLabel;
    const QRect caption = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                         QStyle::SC_GroupBoxLabel, group);
    return caption.intersects(control.geometry()) ? group->title() : QString();
}

void Check(QWidget& window) {
    window.show();
    QApplication::processEvents();
    const QRect free = window.screen()->availableGeometry();
    if (!free.contains(window.frameGeometry())) {
        faults.append(NameOf(window) + QStringLiteral(" ") + Text(window.frameGeometry()) +
                      QStringLiteral(" is not inside the free area ") + Text(free));
    }
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&window) || control->isWindow() || control->size().isEmpty() ||
            InsideScrolledView(*control, window)) {
            continue;
        }
        const QRect at = GlobalRect(*control);
        const QRect room = GlobalRect(*control->parentWidget());
        if (!room.contains(at)) {
            faults.append(NameOf(*control) + QStringLiteral(" ") + Text(at) +
                          QStringLiteral(" is cut by ") + NameOf(*control->parentWidget()) +
                          QStringLiteral(" ") + Text(room));
        } else if (!free.contains(at)) {
            faults.append(NameOf(*control) + QStringLiteral(" ") + Text(at) +
                          QStringLiteral(" is off the free area ") + Text(free));
        } else if (const QString text = CutText(*control); !text.isEmpty()) {
            faults.append(NameOf(*control) + QStringLiteral(" cuts its text ") + text);
        } else if (const QString caption = OverCaption(*control); !caption.isEmpty()) {
            faults.append(NameOf(*control) + QStringLiteral(" lies over the caption ") + caption);
        }
    }
    // TESMARA_FIT_SHOTS names a folder for a picture of each window, to look at.
    if (const QString shots = qEnvironmentVariable("TESMARA_FIT_SHOTS"); !shots.isEmpty()) {
        window.grab().save(shots + u'/' + window.objectName() + QStringLiteral(".png"));
    }
    std::printf("checked %s\n", qPrintable(window.objectName()));
}

void CopySampleUnits(const QString& startDir) {
    const QDir samples(QStringLiteral(TESMARA_SOURCE_DIR "/DATA"));
    QDir(startDir).mkpath(QStringLiteral("DATA"));
    for (const QString& file : samples.entryList(QDir::Files)) {
        QFile::copy(samples.filePath(file), file == u"Index.ini"
                                                ? startDir + file
                                                : startDir + QStringLiteral("DATA/") + file);
    }
}

}  // namespace

int main(int argc, char** argv) {
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tesmara"));
    InstallFontSubstitutions();
    QTemporaryDir sandbox;
    const QString startDir = sandbox.path() + u'/';
    CopySampleUnits(startDir);
    QDir::setCurrent(startDir);

    ScriptedDialogs dialogs;
    bool practising = false;
    dialogs.modalScript = [&](QDialog& window) {
        Check(window);
        if (auto* practice = qobject_cast<TfrmRenshu*>(&window)) {
            // A wrong answer: the two points of y=0 are no question's line.
            ClickPractice(*practice, {0, 0});
            ClickPractice(*practice, {1, 0});
            return int(ModalCancel);
        }
        if (auto* choice = qobject_cast<TfrmTangenOpen*>(&window); choice && practising) {
            practising = false;
            Control<QListWidget>(*choice, "lstTitle")->setCurrentRow(0);
            choice->lstTitleClick();
            choice->btnOKClick();
            return choice->result();
        }
        window.hide();
        return int(ModalCancel);
    };

    TfrmMain program;
    program.show();
    program.OpenFile(startDir + QStringLiteral("DATA/ichiji.lin"));
    Check(program);
    for (const char* command : {"mnuTangenOpen", "mnuEditQues", "mnuPrint", "mnuSetSenshu",
                                "spdMoji", "mnuShowTangen", "ShowAbout", "spdKiroku"}) {
        Press(program, command);
    }
    Press(program, "SpdChokusen");  // the label tool's window left the label tool chosen
    program.Doc.SelectOnly(0);
    for (const char* window : {"mnuSetCoodSize", "mnuMove", "ShowHelp"}) {
        Press(program, window);
    }
    for (QWidget* beside : QApplication::topLevelWidgets()) {
        if (beside != &program && beside->isVisible()) {
            Check(*beside);
        }
    }
    practising = true;
    Press(program, "spdRenshu");

    const QSize screen = program.screen()->size();
    std::printf("%dx%d at %g: %lld faults\n", screen.width(), screen.height(),
                program.screen()->devicePixelRatio(), qlonglong(faults.size()));
    for (const QString& fault : faults) {
        std::printf("  %s\n", qPrintable(fault));
    }
    return faults.isEmpty() ? 0 : 1;
}
