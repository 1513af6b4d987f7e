// The answer states of the practice: 0 waiting for the first click, 1 the first point fixed and a
// rubber band following the mouse; a second click (or the click on a point question) grades.
#include "practice_session.h"

#include <algorithm>

#include "date_text.h"

namespace {

const QString RightButtonMessage = QStringLiteral("右ボタンは使えません");
const QString NoLineMessage = QStringLiteral("線がひけません");
constexpr LatticePoint NoPoint{-99, -99};

PlaneMark GraphMark(const TLineSpec& graph, bool handles) {
    PlaneMark mark;
    mark.shape = PlaneMark::Shape::Graph;
    mark.graph = graph;
    mark.handles = handles;
    return mark;
}

PlaneMark SquareMark(LatticePoint at) {
    return {PlaneMark::Shape::FirstPoint, at, {}};
}

}  // namespace

QString MinSecText(int seconds) {
    return TwoDigits(seconds / 60) + u':' + TwoDigits(seconds % 60);
}

bool IsRightAnswer(const TLineSpec& answer, const TLineSpec& question, EquationForm form) {
    const QString asked = EquationText(question, form);
    auto matches = [&](const QString& text) { return text == question.Text || text == asked; };
    if (matches(EquationText(answer, form))) {
        return true;
    }
    // In the ax+by=c form the signs follow the order of the two points; the same line clicked
    // the other way round is just as right.
    if (!HasDirection(answer)) {
        return false;
    }
    TLineSpec reversed = answer;
    std::swap(reversed.P1, reversed.P2);
    return matches(EquationText(reversed, form));
}

bool IsTestable(const TLineSpec& g) {
    switch (g.Kind) {
        case GraphKind::Line:
        case GraphKind::Point:
            return true;
        case GraphKind::Segment:
            return (g.D1 == g.P1 && g.D2 == g.P2) || (g.D1 == g.P2 && g.D2 == g.P1);
        case GraphKind::Ray:
            return g.D1 == g.P1;
        case GraphKind::Label:
        case GraphKind::None:
            break;
    }
    return false;
}

QString UntestableMessage(const std::vector<TLineSpec>& graphs) {
    for (size_t i = 0; i < graphs.size(); ++i) {
        if (!IsTestable(graphs[i])) {
            return QStringLiteral("(%1)").arg(i + 1) + graphs[i].Text +
                   QStringLiteral("の問題はテストできません");
        }
    }
    return QString();
}

void PracticeSession::SetQuestions(std::vector<TLineSpec> questions) {
    if (questions.size() > size_t(MaxQuestions)) {
        questions.resize(MaxQuestions);
    }
    questions_ = std::move(questions);
    ReviewFlags.fill(0);
}

void PracticeSession::Init(bool review, const QDateTime& now, EquationForm form) {
    form_ = form;
    ReviewMode = review;
    TotalSeconds = 0;
    QuestionSeconds = 0;
    HintUsed = false;
    FirstTryCount = 0;
    MissCount = 0;
    RunIndex = 0;
    AnswerState = 0;
    RubberShown = false;
    keptSquares_.clear();  // the plane is drawn afresh for the run
    MarkString.clear();
    RecordLines = QStringList{DateTextKanji(now.date()) + u' ' + TimeTextSlashes(now.time())};
    RunList.clear();
    runSource_.clear();
    for (int k = 0; k < int(questions_.size()); ++k) {
        if (!review || ReviewFlags[k] == 1) {
            RunList.push_back(questions_[k]);
            runSource_.push_back(k);
            RecordLines.append(QStringLiteral("(%1)").arg(RunList.size()));
        }
    }
    RunCount = int(RunList.size());
}

QString PracticeSession::Prompt() const {
    if (Finished()) {
        return QString();
    }
    const QString number = QStringLiteral("(%1)").arg(RunIndex + 1);
    return Current().Kind == GraphKind::Point
               ? number + QStringLiteral("次の点の位置を示しなさい")
               : number + QStringLiteral("次の関数のグラフをかきなさい");
}

PracticeEffects PracticeSession::Press(GestureButton button, LatticePoint p) {
    PracticeEffects out;
    if (Finished()) {
        return out;
    }
    if (AnswerState == 0) {
        AnswerSpec = Current();
    }
    if (button == GestureButton::Right) {
        out.messages.append(RightButtonMessage);
        return out;
    }
    const bool point = AnswerSpec.Kind == GraphKind::Point;
    if (AnswerState == 0 && !point) {
        if (!HasKeptSquare(p)) {
            out.marks.push_back(SquareMark(p));
        }
        AnswerSpec.P1 = p;
        AnswerSpec.P2 = NoPoint;
        AnswerState = 1;
        LastPracticePos = p;
        out.redoEnabled = 1;
        return out;
    }
    if (point) {
        AnswerSpec.P1 = p;
        AnswerSpec.P2 = NoPoint;
    } else {
        if (p == AnswerSpec.P1) {
            out.messages.append(NoLineMessage);  // the first point and its mark stay
            return out;
        }
        if (!HasKeptSquare(AnswerSpec.P1)) {
            out.marks.push_back(SquareMark(AnswerSpec.P1));
        }
        if (RubberShown && LastPracticePos != AnswerSpec.P1) {
            TLineSpec band = AnswerSpec;
            band.P2 = LastPracticePos;
            out.marks.push_back(GraphMark(band, true));
        }
        AnswerSpec.P2 = p;
    }
    AnswerState = 1;
    out.redoEnabled = 0;
    Grade(out);
    return out;
}

void PracticeSession::Grade(PracticeEffects& out) {
    ShownAnswer = AnswerSpec;
    ShownAnswer.Text = EquationText(AnswerSpec, form_);
    AnswerSpec.Text = ShownAnswer.Text;
    out.shownAnswer = ShownAnswer;
    out.marks.push_back(GraphMark(AnswerSpec, false));  // the answer stands on the plane
    RubberShown = false;
    const int k = CurrentQuestionIndex();
    if (!IsRightAnswer(AnswerSpec, Current(), form_)) {
        out.grade = PracticeEffects::Grade::Wrong;
        ReviewFlags[k] = 1;
        return;
    }
    out.grade = PracticeEffects::Grade::Right;
    if (MissCount > 0) {
        out.mark = QStringLiteral("×");
        MarkString += u'X';
    } else if (HintUsed) {
        out.mark = QStringLiteral("△");
        MarkString += u'X';
        ++MissCount;
    } else {
        out.mark = QStringLiteral("○");
        MarkString += u'O';
    }
    QString& line = RecordLines[RunIndex + 1];
    line += out.mark + u' ' + MinSecText(QuestionSeconds);
    TotalSeconds += QuestionSeconds;
    QuestionSeconds = 0;
}

void PracticeSession::AfterWrong(int dialogResult) {
    if (dialogResult == 1) {
        ++MissCount;
    }
    AnswerState = 0;
}

PracticeEffects PracticeSession::ShowAnswer() {
    PracticeEffects out;
    if (Finished()) {
        return out;
    }
    TLineSpec& q = RunList[RunIndex];
    q.Color = 0;  // black for the rest of the run
    TLineSpec dotted = q;
    dotted.Attr = 1;
    out.marks.push_back(GraphMark(dotted, true));
    HintUsed = true;
    return out;
}

PracticeEffects PracticeSession::ShowCorrection() {
    PracticeEffects out;
    // Drawn again without handles the answer is gone; drawn with them it is back with them.
    out.marks.push_back(GraphMark(ShownAnswer, false));
    out.marks.push_back(GraphMark(ShownAnswer, true));
    return out;
}

bool PracticeSession::NextQuestion() {
    HintUsed = false;
    const int k = CurrentQuestionIndex();
    if (MissCount == 0) {
        ++FirstTryCount;
        ReviewFlags[k] = 0;
    } else {
        ReviewFlags[k] = 1;
    }
    if (RunIndex >= RunCount - 1) {
        return true;
    }
    ++RunIndex;
    AnswerState = 0;
    MissCount = 0;
    return false;
}

PracticeSession::RunEnd PracticeSession::EndRun(const QDateTime& now) const {
    RunEnd end;
    end.lines = QStringList{QStringLiteral("------------"),
                            QStringLiteral("合計  ") + MinSecText(TotalSeconds)};
    end.recordValue = DateTextKanji(now.date()) + u' ' + TimeTextColon(now.time()) + u' ' +
                      MarkString + u' ' + MinSecText(TotalSeconds);
    end.allRightFirstTime = FirstTryCount == RunCount;
    end.canReview = FirstTryCount != RunCount;
    return end;
}

PracticeEffects PracticeSession::Move(LatticePoint p) {
    PracticeEffects out;
    out.readout = QString::asprintf(" (%3d,%3d)", p.X, p.Y);
    if (AnswerState == 1 && p != LastPracticePos) {
        TLineSpec band = AnswerSpec;
        for (LatticePoint end : {LastPracticePos, p}) {
            band.P2 = end;
            if (band.P2 != band.P1) {
                out.marks.push_back(GraphMark(band, true));
            }
        }
        RubberShown = true;
    }
    LastPracticePos = p;
    return out;
}

PracticeEffects PracticeSession::Leave() {
    PracticeEffects out;
    out.clearReadout = true;
    if (RubberShown && AnswerState == 1) {
        TLineSpec band = AnswerSpec;
        band.P2 = LastPracticePos;
        if (band.P2 != band.P1) {
            out.marks.push_back(GraphMark(band, true));
        }
        RubberShown = false;
        LastPracticePos = AnswerSpec.P1;
    }
    return out;
}

PracticeEffects PracticeSession::Redo() {
    PracticeEffects out;
    if (AnswerState != 1) {
        return out;
    }
    TLineSpec band = AnswerSpec;
    band.P2 = LastPracticePos;
    if (RubberShown && band.P2 != band.P1) {
        out.marks.push_back(GraphMark(band, true));
    }
    // The square stays where the student first clicked, as a trace of the try.
    if (!HasKeptSquare(AnswerSpec.P1)) {
        keptSquares_.push_back(AnswerSpec.P1);
    }
    RubberShown = false;
    AnswerState = 0;
    out.redoEnabled = 0;
    return out;
}

bool PracticeSession::HasKeptSquare(LatticePoint p) const {
    return std::find(keptSquares_.begin(), keptSquares_.end(), p) != keptSquares_.end();
}

PracticeEffects PracticeSession::Hint() {
    PracticeEffects out;
    if (Finished()) {
        return out;
    }
    HintUsed = true;
    out.arrow = true;
    out.arrowAt = AnswerState == 0 ? Current().P1 : Current().P2;
    return out;
}
