// The real message boxes show texts as plain text and report the button pressed; the scripted
// stand-in records texts and answers from its script.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>

#include "dialogs.h"
#include "scripted_dialogs.h"

namespace {

struct SeenBox {
    QString text;
    Qt::TextFormat format = Qt::AutoText;
    QString title;
    int width = 0;
};

// Presses a button of the next message box as soon as the box runs, and notes what it showed.
void PressWhenShown(QMessageBox::StandardButton button, SeenBox* seen) {
    QTimer::singleShot(0, [button, seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen->text = box->text();
        seen->format = box->textFormat();
        seen->title = box->windowTitle();
        seen->width = box->width();
        box->button(button)->click();
    });
}

TEST(RealDialogs, MessageShowsMarkupAsPlainText) {
    SeenBox seen;
    PressWhenShown(QMessageBox::Ok, &seen);
    ShowMessage(QStringLiteral("<b>x</b>"));
    EXPECT_EQ(seen.text, QStringLiteral("<b>x</b>"));
    EXPECT_EQ(seen.format, Qt::PlainText);
    EXPECT_EQ(seen.title, QStringLiteral("Tesmara"));
    // However short the text, the frame has room for the caption beside four buttons.
    QApplication::setApplicationName(QStringLiteral("Kelvane Tesmara 一次関数とグラフ"));
    PressWhenShown(QMessageBox::Ok, &seen);
    ShowMessage(QStringLiteral("x"));
    QApplication::setApplicationName(QStringLiteral("Tesmara"));
    EXPECT_GE(seen.width, QFontMetrics(QApplication::font()).horizontalAdvance(seen.title) + 96);
}

TEST(RealDialogs, ConfirmationsReportTheButtonPressed) {
    struct Row {
        bool withCancel;
        QMessageBox::StandardButton press;
        Answer expected;
    };
    const Row rows[] = {
        {false, QMessageBox::Yes, Answer::Yes},      {false, QMessageBox::No, Answer::No},
        {true, QMessageBox::Yes, Answer::Yes},       {true, QMessageBox::No, Answer::No},
        {true, QMessageBox::Cancel, Answer::Cancel},
    };
    for (const Row& r : rows) {
        SeenBox seen;
        PressWhenShown(r.press, &seen);
        const QString question = QStringLiteral("全部削除してもいいですか？");
        const Answer answer = r.withCancel ? ConfirmYesNoCancel(question) : ConfirmYesNo(question);
        EXPECT_EQ(answer, r.expected);
        EXPECT_EQ(seen.text, question);
        EXPECT_EQ(seen.format, Qt::PlainText);
    }
}

TEST(RealDialogs, ModalWindowClosedWithoutOkCountsAsCancel) {
    QDialog window;
    QTimer::singleShot(0, &window, [&window] { window.reject(); });
    EXPECT_EQ(ShowModal(window), ModalCancel);
    QTimer::singleShot(0, &window, [&window] { window.done(ModalOk); });
    EXPECT_EQ(ShowModal(window), ModalOk);
    QTimer::singleShot(0, &window, [&window] { window.done(ModalReview); });
    EXPECT_EQ(ShowModal(window), ModalReview);
}

TEST(ScriptedDialogs, RecordsTextsAndAnswersInOrder) {
    ScriptedDialogs dialogs;
    dialogs.answers = {Answer::No, Answer::Yes};
    ShowMessage(QStringLiteral("これ以上登録できません"));
    EXPECT_EQ(ConfirmYesNo(QStringLiteral("one")), Answer::No);
    EXPECT_EQ(ConfirmYesNoCancel(QStringLiteral("two")), Answer::Yes);
    EXPECT_EQ(ConfirmYesNo(QStringLiteral("three")), Answer::Cancel);
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("これ以上登録できません")});
    EXPECT_EQ(dialogs.questions,
              (QStringList{QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")}));
    EXPECT_EQ(dialogs.unscriptedQuestions, 1);
}

TEST(ScriptedDialogs, RemovingItBringsBackTheRealBoxes) {
    DialogService* real = &Dialogs();
    {
        ScriptedDialogs dialogs;
        EXPECT_EQ(&Dialogs(), &dialogs);
    }
    EXPECT_EQ(&Dialogs(), real);
}

}  // namespace
