// Every writer of the program driven through the user's command while the disk refuses the bytes:
// at each step of the checked writer in turn, and on a real small disk filled to its last byte.
// The old file keeps every byte, the program says so, and the drawing's saved mark and caption
// keep their values.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <optional>

#include "practice/practice_window.h"
#include "practice/result_dialogs.h"
#include "refusing_disk.h"
#include "settings/plane_settings_window.h"
#include "sjis_codec.h"
#include "test_files.h"
#include "units/edit_ques_window.h"
#include "units/new_work_window.h"
#include "units/tangen_open_window.h"
#include "window_fixture.h"

namespace {

void WriteSjis(const QString& path, const QString& text) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(EncodeCp932(text).bytes);
}

// A unit of one question, the point (2, -3), on a plane of spacing 8.
const QString UnitText =
    QStringList{"点をとる", "<<spec5",   "-99",  "-99",   "-99", "-99", "8", "8",    "True",
                "5",        "5",         "True", "-----", "99",  "99",  "1", "True", ">>",
                "255,19",   "(  2, -3)", "2,-3", "5,99",  "0,0", "0,0", ""}
        .join(QStringLiteral("\r\n"));

const QString Recovery = QStringLiteral(
    "保存していない図の控えを書けません。ディスクの空きを確かめて、図を保存してください");

// A start folder with the unit, its catalogue and six runs of it, and a main window on it.
struct Scene {
    Scene(const QString& folder, bool onFullDisk) : start(folder + u'/'), fullDisk(onFullDisk) {
        QDir(folder).mkpath(QStringLiteral("DATA"));
        WriteSjis(start + QStringLiteral("DATA/ten.lin"), UnitText);
        WriteSjis(start + QStringLiteral("Index.ini"),
                  QStringLiteral("[index]\r\n1=点をとる,DATA\\ten.lin\r\n"));
        QString runs = QStringLiteral("[点をとる]\r\n");
        for (int run = 1; run <= 6; ++run) {
            runs += QStringLiteral("%1=2024年11月05日 10:05 O 00:0%1\r\n").arg(run);
        }
        WriteSjis(start + QStringLiteral("Record.ini"), runs);
        window->StartDir = start;
    }
    QString Unit() const { return start + QStringLiteral("DATA/ten.lin"); }
    void Draw(int lines) {
        for (int i = 0; i < lines; ++i) {
            window->AddOrReplaceLine(
                NewLineSpec(window->Edit, window->Doc.Table(), {i % 7 - 3, 1}, {i % 5 - 2, -2}),
                -1);
        }
    }
    // The unit title window answers OK with the title; the save dialog chooses the unit's file.
    void AnswerSave() {
        dialogs.modalScript = [](QDialog& dialog) {
            auto* titleWindow = dynamic_cast<TfrmNewWork*>(&dialog);
            if (titleWindow == nullptr) {
                return int(ModalCancel);
            }
            dialog.show();
            Control<QLineEdit>(*titleWindow, "edtTangen")->setText(QStringLiteral("新しい単元"));
            Press(*titleWindow, "btnOK");
            return dialog.result();
        };
        dialogs.files = {Unit()};
    }

    QString start;
    bool fullDisk = false;  // the disk is a small one with no byte left
    ScriptedDialogs dialogs;
    std::unique_ptr<TfrmMain> window = [] {
        auto w = std::make_unique<TfrmMain>(QSize(1024, 768));
        w->FormShow();
        return w;
    }();
};

// The plane settings window's OK with この設定を保存する, the store a file in the scene's folder.
void SaveSettings(Scene& s, const char* spacing) {
    Press(*s.window, "mnuSetCoodSize");
    auto* settings = s.window->findChild<TfrmSetCood*>();
    Control<QLineEdit>(*settings, "edtDX")->setText(QLatin1String(spacing));
    Control<QCheckBox>(*settings, "chkKeep")->setChecked(true);
    settings->btnOkClick();
}

QString SettingsFile(const Scene& s) {
    return s.start + QStringLiteral("settings/Kelvane/Morin1.conf");
}

struct Writer {
    const char* command;
    // Makes the state before the command; the file that must keep its bytes.
    std::function<QString(Scene&)> prepare;
    std::function<void(Scene&)> run;
    // The message said, when everything else of the scene is as it was.
    std::function<QString(Scene&)> said;
    // Bytes a full disk leaves: room for the lock file QSettings takes before it writes, so
    // that a write of QSettings' own on the file would reach it and empty it.
    int spare = 0;
};

const Writer Writers[] = {
    {"上書き保存",
     [](Scene& s) {
         s.dialogs.files = {s.Unit()};
         Press(*s.window, "mnuOpenFile");
         s.Draw(1);
         return s.Unit();
     },
     [](Scene& s) { Press(*s.window, "spdOverWrite"); },
     [](Scene& s) { return s.Unit() + QStringLiteral("の保存に失敗しました"); }},
    {"名前を付けて保存 はい",
     [](Scene& s) {
         s.Draw(2);
         s.AnswerSave();
         s.dialogs.answers = {Answer::Yes};
         return s.Unit();
     },
     [](Scene& s) { Press(*s.window, "mnuSave"); },
     [](Scene& s) { return s.Unit() + QStringLiteral("の保存に失敗しました"); }},
    {"新規作成 保存しますか はい",
     [](Scene& s) {
         s.Draw(3);
         s.AnswerSave();
         s.dialogs.answers = {Answer::Yes, Answer::Yes};
         return s.Unit();
     },
     [](Scene& s) { Press(*s.window, "mnuNewFile"); },
     [](Scene& s) {
         EXPECT_EQ(s.window->Doc.Table().LineCount, 3);  // nothing was replaced
         return s.Unit() + QStringLiteral("の保存に失敗しました");
     }},
    {"練習問題の編集 OK",
     [](Scene& s) {
         s.dialogs.modalScript = [](QDialog& dialog) {
             auto& editor = dynamic_cast<TfrmEditQues&>(dialog);
             dialog.show();
             Press(editor, "btnOK");
             EXPECT_TRUE(editor.isVisible());  // the editor stays open, its entries with it
             return int(ModalCancel);
         };
         return s.start + QStringLiteral("Index.ini");
     },
     [](Scene& s) { Press(*s.window, "mnuEditQues"); },
     [](Scene& s) { return s.start + QStringLiteral("Index.iniの保存に失敗しました"); }},
    {"練習の終わり",
     [](Scene& s) {
         int choices = 0;
         s.dialogs.modalScript = [choices](QDialog& dialog) mutable -> int {
             if (auto* open = dynamic_cast<TfrmTangenOpen*>(&dialog)) {
                 return ChooseFirstUnit(*open, &choices, 1);
             }
             if (auto* practice = dynamic_cast<TfrmRenshu*>(&dialog)) {
                 dialog.show();
                 ClickPractice(*practice, {2, -3});
                 return practice->result();
             }
             return ModalOk;  // 正解, then the run's end
         };
         return s.start + QStringLiteral("Record.ini");
     },
     [](Scene& s) { Press(*s.window, "spdRenshu"); },
     [](Scene& s) {
         return s.start +
                QStringLiteral("Record.iniの保存に失敗しました\n今回の記録は書き込めませんでした");
     }},
    {"図の控え",
     [](Scene& s) {
         EXPECT_TRUE(s.window->Recovery.Start(s.start + QStringLiteral("recovery")));
         s.Draw(10);  // the tenth change writes the copy
         s.window->Recovery.WaitForWrites();
         return s.start + QStringLiteral("recovery/recovery-1.tsr");  // the first slot
     },
     [](Scene& s) {
         s.Draw(10);
         s.window->Recovery.WaitForWrites();
         EXPECT_TRUE(s.dialogs.messages.isEmpty());
         s.Draw(10);  // the next copy says that the last one failed
         s.window->Recovery.WaitForWrites();
     },
     [](Scene&) { return Recovery; }},
    {"この設定を保存する",
     [](Scene& s) {
         QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                            s.start + QStringLiteral("settings"));
         SaveSettings(s, "12");
         EXPECT_TRUE(s.dialogs.messages.isEmpty());
         return SettingsFile(s);
     },
     [](Scene& s) {
         // On the full disk the writer refuses too, as when another program takes freed pages.
         RefusingSteps refusing(ReplaceStep::Write);
         std::optional<ScopedFileSteps> steps;
         if (s.fullDisk) {
             steps.emplace(refusing);
         }
         SaveSettings(s, "20");
     },
     [](Scene& s) {
         return SettingsFile(s) + QStringLiteral("に座標面の設定を保存できませんでした");
     },
     100}};

// The disk refuses at one step of the writer, or it is a small disk with no byte left.
using Refusal = std::optional<ReplaceStep>;

class RefusedWrites : public testing::TestWithParam<Refusal> {};

TEST_P(RefusedWrites, EveryCommandKeepsTheOldFileAndSaysSo) {
    std::optional<SmallDisk> disk;
    if (!GetParam()) {
        disk.emplace(256);
        if (!disk->unavailable().empty()) {
            GTEST_SKIP() << disk->unavailable();
        }
    }
    for (const Writer& writer : Writers) {
        SCOPED_TRACE(writer.command);
        QTemporaryDir scratch;
        const QString folder = disk ? disk->filePath(QStringLiteral("start")) : scratch.path();
        {
            Scene scene(folder, disk.has_value());
            const QString kept = writer.prepare(scene);
            const QByteArray before = ReadBytes(kept);
            ASSERT_GT(before.size(), 20);
            const QString caption = scene.window->windowTitle();
            const bool saved = scene.window->Doc.Saved();
            const QString fileName = scene.window->Doc.FileName();
            {
                std::optional<RefusingSteps> refusing;
                std::optional<ScopedFileSteps> steps;
                if (disk) {
                    disk->Fill(writer.spare);
                } else {
                    steps.emplace(refusing.emplace(*GetParam()));
                }
                writer.run(scene);
                scene.window->Recovery.WaitForWrites();
                if (disk) {
                    disk->Free();
                }
            }
            EXPECT_EQ(scene.dialogs.messages.join(u'|').toStdString(),
                      writer.said(scene).toStdString());
            EXPECT_EQ(ReadBytes(kept), before);
            EXPECT_EQ(scene.window->windowTitle(), caption);
            EXPECT_EQ(scene.window->Doc.Saved(), saved);
            EXPECT_EQ(scene.window->Doc.FileName(), fileName);
        }
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
        QDir(folder).removeRecursively();
    }
}

INSTANTIATE_TEST_SUITE_P(Disk, RefusedWrites,
                         testing::Values(ReplaceStep::Open, ReplaceStep::Write, ReplaceStep::Flush,
                                         ReplaceStep::Sync, ReplaceStep::Close, ReplaceStep::Rename,
                                         Refusal()),
                         [](const testing::TestParamInfo<Refusal>& info) {
                             return std::string(info.param ? StepName(*info.param) : "Full");
                         });

}  // namespace
