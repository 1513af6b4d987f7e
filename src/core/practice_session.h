// One practice of a unit's questions: the run of questions, the student's answer under
// construction, grading by formula texts, the marks, times and review flags, and the end of a
// run. The practice window forwards its clicks and moves here and shows what comes back.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "equation_text.h"
#include "line_spec.h"
#include "plane_gesture.h"

constexpr int MaxQuestions = 101;

// Minutes and seconds as "mm:ss"; 100 minutes are "100:00".
QString MinSecText(int seconds);

// Whether the answer is the question's graph. Texts are compared in the form chosen; a line is
// right whichever way round its two points were clicked.
bool IsRightAnswer(const TLineSpec& answer, const TLineSpec& question, EquationForm form);

// Whether a graph can be asked as a question: lines and points always; a segment drawn exactly
// between its two defining points (in either order); a ray starting at its first point.
bool IsTestable(const TLineSpec& g);

// The message for the first graph of a list that cannot be asked, or empty.
QString UntestableMessage(const std::vector<TLineSpec>& graphs);

// What the practice window must do after one event.
struct PracticeEffects {
    enum class Grade { None, Right, Wrong };
    std::vector<PlaneMark> marks;  // drawn in the inverting pen, in order
    QStringList messages;
    QString readout;  // the coordinate read-out, when it changes
    bool clearReadout = false;
    int redoEnabled = -1;  // "やり直し": -1 unchanged, 0 disabled, 1 enabled
    Grade grade = Grade::None;
    TLineSpec shownAnswer;  // the graded answer, for the answer panel
    QString mark;           // "○", "△" or "×" after a right answer
    bool arrow = false;     // the hint arrow is copied (XOR) at arrowAt
    LatticePoint arrowAt;
};

class PracticeSession {
  public:
    // The unit's questions (QuestionTable); ReviewFlags start cleared.
    void SetQuestions(std::vector<TLineSpec> questions);
    const std::vector<TLineSpec>& Questions() const { return questions_; }

    // Starts a run of every question, or of the ones missed last time; the record list starts
    // with the date line and one "(n)" line a question.
    void Init(bool review, const QDateTime& now, EquationForm form);

    PracticeEffects Press(GestureButton button, LatticePoint p);
    PracticeEffects Move(LatticePoint p);
    // The mouse left the plane for the bare window.
    PracticeEffects Leave();
    PracticeEffects Redo();  // "やり直し"
    PracticeEffects Hint();  // "ヒント"
    void Tick() { ++questionSeconds_; }

    // After a wrong answer: the dialog's "訂正する" or "正解を表示する" (ModalOk 1) counts a miss.
    void AfterWrong(int dialogResult);
    // "正解を表示する": the question is shown dotted in black; it counts as a hint.
    PracticeEffects ShowAnswer();
    // "訂正する": the wrong answer stays, now with its handles.
    PracticeEffects ShowCorrection();

    // After a right answer and its dialog: the next question, or true at the end of the run.
    bool NextQuestion();
    // The end of a run: the lines that close the record list, and the records-file value.
    struct RunEnd {
        QStringList lines;  // "------------", "合計  mm:ss"
        QString recordValue;
        bool allRightFirstTime = false;
        bool canReview = false;
    };
    RunEnd EndRun(const QDateTime& now) const;

    const TLineSpec& Current() const { return runList_[runIndex_]; }
    int CurrentQuestionIndex() const { return runSource_[runIndex_]; }
    QString Prompt() const;  // "(n)次の…"
    bool Finished() const { return runIndex_ >= runCount_; }

    // ---- the state as the practice window reads it; only the operations above change it ----
    int RunCount() const { return runCount_; }
    int RunIndex() const { return runIndex_; }
    int AnswerState() const { return answerState_; }
    // Per question of the unit: 1 missed in its last run, 0 right at the first try.
    const std::array<uint8_t, MaxQuestions>& ReviewFlags() const { return reviewFlags_; }
    bool ReviewMode() const { return reviewMode_; }
    bool HintUsed() const { return hintUsed_; }
    const QString& MarkString() const { return markString_; }
    const QStringList& RecordLines() const { return recordLines_; }  // what lstRecord shows

  private:
    void Grade(PracticeEffects& out);
    bool HasKeptSquare(LatticePoint p) const;

    std::vector<TLineSpec> runList_;
    int runCount_ = 0;
    int runIndex_ = 0;
    TLineSpec answerSpec_;
    TLineSpec shownAnswer_;
    int answerState_ = 0;  // 0 waiting for the first click, 1 first point fixed
    LatticePoint lastPracticePos_;
    bool rubberShown_ = false;
    std::array<uint8_t, MaxQuestions> reviewFlags_{};
    bool reviewMode_ = false;
    int firstTryCount_ = 0;
    int missCount_ = 0;
    bool hintUsed_ = false;
    int questionSeconds_ = 0;
    int totalSeconds_ = 0;
    QString markString_;
    QStringList recordLines_;
    std::vector<TLineSpec> questions_;
    std::vector<int> runSource_;  // the question index of each run entry
    EquationForm form_ = EquationForm::Standard;
    // First-point squares that やり直し left on the plane. The inverting pen would take one away
    // if it were drawn again, so a new first point on one of them draws and removes nothing.
    std::vector<LatticePoint> keptSquares_;
};
