// The real message boxes and modal windows behind DialogService.
#include "dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <utility>

#include "help/help_context.h"

namespace {

// The width a frame needs to show a caption whole. The window manager writes the caption in its
// own font, which the program cannot ask for, beside its buttons (menu, minimise, maximise,
// close): so the caption is measured in a bold font a quarter larger than the program's, and room
// is left for four buttons.
int CaptionFrameWidth(const QString& caption) {
    QFont font = QApplication::font();
    font.setBold(true);
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * 1.25);
    } else {
        font.setPixelSize(font.pixelSize() * 5 / 4);
    }
    constexpr int FrameButtons = 4 * 32;
    return QFontMetrics(font).horizontalAdvance(caption) + FrameButtons;
}

// A short message would make a box narrower than its caption, which the frame then cuts short.
// The box fixes its own size from its layout's minimum when shown, so the width goes into the
// layout, as an empty row across all columns.
void WidenToCaption(QMessageBox& box) {
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(CaptionFrameWidth(box.windowTitle()), 0), grid->rowCount(), 0,
                      1, grid->columnCount());
    }
}

QMessageBox::StandardButton RunBox(QMessageBox::Icon icon, const QString& text,
                                   QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, QApplication::applicationName(), text, buttons,
                    QApplication::activeWindow());
    // Texts often carry unit titles and file names from files; they must never be read as markup.
    box.setTextFormat(Qt::PlainText);
    // The captions of a Japanese desktop's boxes, whatever translations are installed.
    const std::pair<QMessageBox::StandardButton, const char16_t*> captions[] = {
        {QMessageBox::Ok, u"OK"},
        {QMessageBox::Yes, u"はい(&Y)"},
        {QMessageBox::No, u"いいえ(&N)"},
        {QMessageBox::Cancel, u"キャンセル"},
    };
    for (const auto& [button, caption] : captions) {
        if (QAbstractButton* b = box.button(button)) {
            b->setText(QString::fromUtf16(caption));
        }
    }
    WidenToCaption(box);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

Answer ToAnswer(QMessageBox::StandardButton button) {
    switch (button) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

class QtDialogs final : public DialogService {
  public:
    void ShowMessage(const QString& text) override {
        RunBox(QMessageBox::NoIcon, text, QMessageBox::Ok);
    }
    Answer ConfirmYesNo(const QString& text) override {
        // Closing the box counts as No: callers act only on Yes.
        const auto button = RunBox(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No);
        return button == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
    Answer ConfirmYesNoCancel(const QString& text) override {
        return ToAnswer(RunBox(QMessageBox::Question, text,
                               QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel));
    }
    int ShowModal(QDialog& window) override {
        const int result = window.exec();
        // QDialog reports 0 when the window was closed by its close button or Escape.
        return result == QDialog::Rejected ? ModalCancel : result;
    }
    std::optional<int32_t> ChooseColour(int32_t initial) override {
        const QColor start(initial & 0xFF, (initial >> 8) & 0xFF, (initial >> 16) & 0xFF);
        const QColor chosen = QColorDialog::getColor(start, QApplication::activeWindow());
        if (!chosen.isValid()) {
            return std::nullopt;
        }
        return int32_t(chosen.red() | (chosen.green() << 8) | (chosen.blue() << 16));
    }
    QString ChooseOpenFile(const QString& folder, const QString& name,
                           const QStringList& filters) override {
        QFileDialog dialog(QApplication::activeWindow(), QStringLiteral("開く"),
                           QDir(folder).filePath(name), filters.join(";;"));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        SetHelpContext(&dialog, FileOpenHelpContext);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }
    QString ChooseSaveFile(const QString& folder, const QString& name,
                           const QStringList& filters) override {
        // The program asks before it replaces a file, with its own question.
        return QFileDialog::getSaveFileName(QApplication::activeWindow(),
                                            QStringLiteral("名前を付けて保存"),
                                            QDir(folder).filePath(name), filters.join(";;"),
                                            nullptr, QFileDialog::DontConfirmOverwrite);
    }
};

QtDialogs realDialogs;
DialogService* installed = nullptr;

}  // namespace

DialogService& Dialogs() {
    return installed ? *installed : realDialogs;
}

void InstallDialogs(DialogService* service) {
    installed = service;
}
