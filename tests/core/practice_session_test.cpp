// A student practising a unit: clicks, hints, wrong and right answers, the marks, times, review
// flags and the end of a run, told in the student's words.
#include <gtest/gtest.h>

#include "practice_session.h"

namespace {

TLineSpec Question(GraphKind kind, LatticePoint p1, LatticePoint p2, LatticePoint d1 = {},
                   LatticePoint d2 = {}, EquationForm form = EquationForm::Standard) {
    TLineSpec g;
    g.Kind = kind;
    g.P1 = p1;
    g.P2 = p2;
    g.D1 = d1;
    g.D2 = d2;
    g.Color = 255;
    g.Text = EquationText(g, form);
    return g;
}

const QDateTime Morning(QDate(2024, 5, 3), QTime(9, 7, 45));

struct Student {
    PracticeSession s;
    explicit Student(std::vector<TLineSpec> questions, EquationForm form = EquationForm::Standard) {
        s.SetQuestions(std::move(questions));
        s.Init(false, Morning, form);
    }
    PracticeEffects Click(int x, int y, GestureButton b = GestureButton::Left) {
        s.Move({x, y});
        return s.Press(b, {x, y});
    }
    // Two clicks for a graph, one for a point; the result of the last.
    PracticeEffects Answer(LatticePoint a, LatticePoint b = {}) {
        if (s.Current().Kind == GraphKind::Point) {
            return Click(a.X, a.Y);
        }
        Click(a.X, a.Y);
        return Click(b.X, b.Y);
    }
    void Wait(int seconds) {
        for (int i = 0; i < seconds; ++i) {
            s.Tick();
        }
    }
};

TEST(PracticeSession, QuestionsMarkedByHowTheyWereAnswered) {
    // One run of four questions: right at once, wrong then right, hint then right, wrong then
    // the answer shown then right.
    Student st(
        {Question(GraphKind::Line, {0, 0}, {1, 2}), Question(GraphKind::Line, {0, 1}, {2, 2}),
         Question(GraphKind::Point, {2, -3}, {5, 99}), Question(GraphKind::Line, {1, 3}, {3, -1})});
    EXPECT_EQ(st.s.RecordLines(),
              (QStringList{"2024年05月03日 09/07/45", "(1)", "(2)", "(3)", "(4)"}));
    EXPECT_EQ(st.s.Prompt(), QStringLiteral("(1)次の関数のグラフをかきなさい"));

    st.Wait(3);
    PracticeEffects e = st.Answer({2, 4}, {-1, -2});  // other points of y=2x
    EXPECT_EQ(e.grade, PracticeEffects::Grade::Right);
    EXPECT_EQ(e.mark, QStringLiteral("○"));
    EXPECT_EQ(e.shownAnswer.Text, QStringLiteral("y=2x"));
    EXPECT_FALSE(st.s.NextQuestion());

    st.Wait(65);
    e = st.Answer({0, 0}, {2, 2});
    EXPECT_EQ(e.grade, PracticeEffects::Grade::Wrong);
    EXPECT_EQ(st.s.ReviewFlags()[1], 1);
    st.s.AfterWrong(1);  // 訂正する
    e = st.Answer({2, 2}, {4, 3});
    EXPECT_EQ(e.mark, QStringLiteral("×"));
    EXPECT_FALSE(st.s.NextQuestion());

    EXPECT_EQ(st.s.Prompt(), QStringLiteral("(3)次の点の位置を示しなさい"));
    e = st.s.Hint();
    EXPECT_TRUE(e.arrow);
    EXPECT_EQ(e.arrowAt, (LatticePoint{2, -3}));
    e = st.Answer({2, -3});  // a point grades at its only click
    EXPECT_EQ(e.mark, QStringLiteral("△"));
    EXPECT_FALSE(st.s.NextQuestion());

    e = st.Answer({0, 0}, {1, 1});
    EXPECT_EQ(e.grade, PracticeEffects::Grade::Wrong);
    st.s.ShowAnswer();
    st.s.AfterWrong(1);  // 正解を表示する
    EXPECT_EQ(st.s.Current().Color, 0);
    e = st.Answer({1, 3}, {2, 1});
    EXPECT_EQ(e.mark, QStringLiteral("×"));
    EXPECT_TRUE(st.s.NextQuestion());  // the run is over

    EXPECT_EQ(st.s.MarkString(), QStringLiteral("OXXX"));
    EXPECT_EQ(st.s.RecordLines()[1], QStringLiteral("(1)○ 00:03"));
    EXPECT_EQ(st.s.RecordLines()[2], QStringLiteral("(2)× 01:05"));
    const PracticeSession::RunEnd end = st.s.EndRun(QDateTime(QDate(2024, 11, 5), QTime(10, 5)));
    EXPECT_EQ(end.lines, (QStringList{"------------", "合計  01:08"}));
    EXPECT_EQ(end.recordValue, QStringLiteral("2024年11月05日 10:05 OXXX 01:08"));
    EXPECT_FALSE(end.allRightFirstTime);
    EXPECT_TRUE(end.canReview);

    // The review run asks the three missed questions again and can end all right.
    st.s.Init(true, Morning, EquationForm::Standard);
    ASSERT_EQ(st.s.RunCount(), 3);
    EXPECT_EQ(st.s.CurrentQuestionIndex(), 1);
    for (auto [a, b] : {std::pair<LatticePoint, LatticePoint>{{0, 1}, {2, 2}},
                        {{2, -3}, {}},
                        {{1, 3}, {3, -1}}}) {
        EXPECT_EQ(st.Answer(a, b).mark, QStringLiteral("○"));
        st.s.NextQuestion();
    }
    EXPECT_TRUE(st.s.EndRun(Morning).allRightFirstTime);
    EXPECT_EQ(st.s.ReviewFlags()[1] + st.s.ReviewFlags()[2] + st.s.ReviewFlags()[3], 0);
}

TEST(PracticeSession, GradingComparesTheTextsOfTheLine) {
    const EquationForm general = EquationForm::General;
    struct Row {
        const char* name;
        TLineSpec question;
        LatticePoint a, b;
        EquationForm form;
        bool right;
    } rows[] = {
        {"y=ax+b, other points",
         Question(GraphKind::Line, {0, 1}, {2, 2}),
         {4, 3},
         {-2, 0},
         {},
         true},
        {"ax+by=c, same order",
         Question(GraphKind::Line, {0, 1}, {2, 2}, {}, {}, general),
         {0, 1},
         {2, 2},
         general,
         true},
        {"ax+by=c, reversed",
         Question(GraphKind::Line, {0, 1}, {2, 2}, {}, {}, general),
         {2, 2},
         {0, 1},
         general,
         true},
        {"ax+by=c, other points",
         Question(GraphKind::Line, {0, 1}, {2, 2}, {}, {}, general),
         {4, 3},
         {-2, 0},
         general,
         true},
        {"parallel line", Question(GraphKind::Line, {0, 1}, {2, 2}), {0, 2}, {2, 3}, {}, false},
        {"segment on its line",
         Question(GraphKind::Segment, {0, 0}, {1, 2}, {-1, -2}, {2, 4}),
         {3, 6},
         {-2, -4},
         {},
         true},
        {"vertical line", Question(GraphKind::Line, {3, 0}, {3, 5}), {3, -2}, {3, 1}, {}, true},
        {"vertical line one off",
         Question(GraphKind::Line, {3, 0}, {3, 5}),
         {4, -2},
         {4, 1},
         {},
         false},
        {"point", Question(GraphKind::Point, {2, -3}, {5, 99}), {2, -3}, {}, {}, true},
        {"point one off", Question(GraphKind::Point, {2, -3}, {5, 99}), {-3, 2}, {}, {}, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Student st({r.question}, r.form);
        const PracticeEffects e = st.Answer(r.a, r.b);
        EXPECT_EQ(e.grade, r.right ? PracticeEffects::Grade::Right : PracticeEffects::Grade::Wrong);
    }
}

TEST(PracticeSession, MessagesBandsAndTakingAPointBack) {
    Student st({Question(GraphKind::Line, {0, 0}, {1, 2})});
    PracticeEffects e = st.Click(1, 1, GestureButton::Right);
    EXPECT_EQ(e.messages, QStringList{QStringLiteral("右ボタンは使えません")});
    EXPECT_EQ(st.s.AnswerState(), 0);
    st.Click(1, 1);
    EXPECT_EQ(st.s.AnswerState(), 1);
    e = st.Click(1, 1);
    EXPECT_EQ(e.messages, QStringList{QStringLiteral("線がひけません")});
    EXPECT_TRUE(e.marks.empty());  // the first point keeps its mark
    e = st.s.Move({3, 2});
    EXPECT_EQ(e.readout, QStringLiteral(" (  3,  2)"));
    ASSERT_EQ(e.marks.size(), 1u);  // a band from the first point, with its handles
    EXPECT_TRUE(e.marks[0].handles);
    e = st.s.Move({4, 4});
    EXPECT_EQ(e.marks.size(), 2u);  // the old band erased, the new one drawn
    e = st.s.Leave();
    EXPECT_TRUE(e.clearReadout);
    EXPECT_EQ(e.marks.size(), 1u);
    EXPECT_EQ(st.s.Move({2, 2}).marks.size(), 1u);  // back on the plane: drawn afresh
    e = st.s.Redo();
    EXPECT_EQ(e.redoEnabled, 0);
    EXPECT_EQ(e.marks.size(), 1u);  // the band gone, the first-point square left standing
    EXPECT_EQ(st.s.AnswerState(), 0);
    EXPECT_EQ(st.s.Hint().arrowAt, (LatticePoint{0, 0}));
    EXPECT_TRUE(st.Click(1, 1).marks.empty());  // on that square: drawn again it would go
    EXPECT_EQ(st.s.Hint().arrowAt, (LatticePoint{1, 2}));
}

TEST(PracticeSession, WhichGraphsCanBeAsked) {
    TLineSpec label = Question(GraphKind::Label, {1, 1}, {12, -99});
    label.Text = QStringLiteral("Ａ");
    struct Row {
        TLineSpec g;
        bool testable;
    } rows[] = {
        {Question(GraphKind::Line, {0, 0}, {1, 2}), true},
        {Question(GraphKind::Point, {2, 3}, {5, 99}), true},
        {Question(GraphKind::Segment, {0, 0}, {1, 2}, {0, 0}, {1, 2}), true},
        {Question(GraphKind::Segment, {1, 2}, {0, 0}, {0, 0}, {1, 2}),
         true},  // ends in the other order
        {Question(GraphKind::Segment, {2, 0}, {2, 5}, {2, 5}, {2, 0}),
         true},  // vertical, either order
        {Question(GraphKind::Segment, {0, 0}, {1, 2}, {0, 0}, {2, 4}), false},
        {Question(GraphKind::Ray, {0, 0}, {1, 2}, {0, 0}, {3, 6}), true},
        {Question(GraphKind::Ray, {0, 0}, {1, 2}, {1, 2}, {3, 6}), false},
        {label, false},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(IsTestable(r.g), r.testable) << r.g.Text.toStdString();
    }
    EXPECT_EQ(UntestableMessage({rows[0].g, label, rows[7].g}),
              QStringLiteral("(2)Ａの問題はテストできません"));
    EXPECT_EQ(UntestableMessage({rows[0].g, rows[1].g}), QString());
}

TEST(PracticeSession, MinutesAndSeconds) {
    const std::pair<int, const char*> rows[] = {
        {0, "00:00"},  {59, "00:59"},   {60, "01:00"},
        {65, "01:05"}, {5999, "99:59"}, {6000, "100:00"},
    };
    for (const auto& [seconds, text] : rows) {
        EXPECT_EQ(MinSecText(seconds), QString::fromUtf8(text)) << seconds;
    }
}

}  // namespace
