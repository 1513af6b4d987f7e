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
    reviewFlags_.fill(0);
}

void PracticeSession::Init(bool review, const QDateTime& now, EquationForm form) {
    form_ = form;
    reviewMode_ = review;
    totalSeconds_ = 0;
    questionSeconds_ = 0;
    hintUsed_ = false;
    firstTryCount_ = 0;
    missCount_ = 0;
    runIndex_ = 0;
    answerState_ = 0;
    rubberShown_ = false;
    keptSquares_.clear();  // the plane is drawn afresh for the run
    markString_.clear();
    recordLines_ = QStringList{DateTextKanji(now.date()) + u' ' + TimeTextSlashes(now.time())};
    runList_.clear();
    runSource_.clear();
    for (int k = 0; k < int(questions_.size()); ++k) {
        if (!review || reviewFlags_[k] == 1) {
            runList_.push_back(questions_[k]);
            runSource_.push_back(k);
            recordLines_.append(QStringLiteral("(%1)").arg(runList_.size()));
        }
    }
    runCount_ = int(runList_.size());
}

QString PracticeSession::Prompt() const {
    if (Finished()) {
        return QString();
    }
    const QString number = QStringLiteral("(%1)").arg(runIndex_ + 1);
    return Current().Kind == GraphKind::Point
               ? number + QStringLiteral("次の点の位置を示しなさい")
               : number + QStringLiteral("次の関数のグラフをかきなさい");
}

PracticeEffects PracticeSession::Press(GestureButton button, LatticePoint p) {
    PracticeEffects out;
    if (Finished()) {
        return out;
    }
    if (answerState_ == 0) {
        answerSpec_ = Current();
    }
    if (button == GestureButton::Right) {
        out.messages.append(RightButtonMessage);
        return out;
    }
    const bool point = answerSpec_.Kind == GraphKind::Point;
    if (answerState_ == 0 && !point) {
        if (!HasKeptSquare(p)) {
            out.marks.push_back(SquareMark(p));
        }
        answerSpec_.P1 = p;
        answerSpec_.P2 = NoPoint;
        answerState_ = 1;
        lastPracticePos_ = p;
        out.redoEnabled = 1;
        return out;
    }
    if (point) {
        answerSpec_.P1 = p;
        answerSpec_.P2 = NoPoint;
    } else {
        if (p == answerSpec_.P1) {
            out.messages.append(NoLineMessage);  // the first point and its mark stay
            return out;
        }
        if (!HasKeptSquare(answerSpec_.P1)) {
            out.marks.push_back(SquareMark(answerSpec_.P1));
        }
        if (rubberShown_ && lastPracticePos_ != answerSpec_.P1) {
            TLineSpec band = answerSpec_;
            band.P2 = lastPracticePos_;
            out.marks.push_back(GraphMark(band, true));
        }
        answerSpec_.P2 = p;
    }
    answerState_ = 1;
    out.redoEnabled = 0;
    Grade(out);
    return out;
}

void PracticeSession::Grade(PracticeEffects& out) {
    shownAnswer_ = answerSpec_;
    shownAnswer_.Text = EquationText(answerSpec_, form_);
    answerSpec_.Text = shownAnswer_.Text;
    out.shownAnswer = shownAnswer_;
    out.marks.push_back(GraphMark(answerSpec_, false));  // the answer stands on the plane
    rubberShown_ = false;
    const int k = CurrentQuestionIndex();
    if (!IsRightAnswer(answerSpec_, Current(), form_)) {
        out.grade = PracticeEffects::Grade::Wrong;
        reviewFlags_[k] = 1;
        return;
    }
    out.grade = PracticeEffects::Grade::Right;
    if (missCount_ > 0) {
        out.mark = QStringLiteral("×");
        markString_ += u'X';
    } else if (hintUsed_) {
        out.mark = QStringLiteral("△");
        markString_ += u'X';
        ++missCount_;
    } else {
        out.mark = QStringLiteral("○");
        markString_ += u'O';
    }
    QString& line = recordLines_[runIndex_ + 1];
    line += out.mark + u' ' + MinSecText(questionSeconds_);
    totalSeconds_ += questionSeconds_;
    questionSeconds_ = 0;
}

void PracticeSession::AfterWrong(int dialogResult) {
    if (dialogResult == 1) {
        ++missCount_;
    }
    answerState_ = 0;
}

PracticeEffects PracticeSession::ShowAnswer() {
    PracticeEffects out;
    if (Finished()) {
        return out;
    }
    TLineSpec& q = runList_[runIndex_];
    q.Color = 0;  // black for the rest of the run
    TLineSpec dotted = q;
    dotted.Attr = 1;
    out.marks.push_back(GraphMark(dotted, true));
    hintUsed_ = true;
    return out;
}

PracticeEffects PracticeSession::ShowCorrection() {
    PracticeEffects out;
    // Drawn again without handles the answer is gone; drawn with them it is back with them.
    out.marks.push_back(GraphMark(shownAnswer_, false));
    out.marks.push_back(GraphMark(shownAnswer_, true));
    return out;
}

bool PracticeSession::NextQuestion() {
    hintUsed_ = false;
    const int k = CurrentQuestionIndex();
    if (missCount_ == 0) {
        ++firstTryCount_;
        reviewFlags_[k] = 0;
    } else {
        reviewFlags_[k] = 1;
    }
    if (runIndex_ >= runCount_ - 1) {
        return true;
    }
    ++runIndex_;
    answerState_ = 0;
    missCount_ = 0;
    return false;
}

PracticeSession::RunEnd PracticeSession::EndRun(const QDateTime& now) const {
    RunEnd end;
    end.lines = QStringList{QStringLiteral("------------"),
                            QStringLiteral("合計  ") + MinSecText(totalSeconds_)};
    end.recordValue = DateTextKanji(now.date()) + u' ' + TimeTextColon(now.time()) + u' ' +
                      markString_ + u' ' + MinSecText(totalSeconds_);
    end.allRightFirstTime = firstTryCount_ == runCount_;
    end.canReview = firstTryCount_ != runCount_;
    return end;
}

PracticeEffects PracticeSession::Move(LatticePoint p) {
    PracticeEffects out;
    out.readout = QString::asprintf(" (%3d,%3d)", p.X, p.Y);
    if (answerState_ == 1 && p != lastPracticePos_) {
        TLineSpec band = answerSpec_;
        for (LatticePoint end : {lastPracticePos_, p}) {
            band.P2 = end;
            if (band.P2 != band.P1) {
                out.marks.push_back(GraphMark(band, true));
            }
        }
        rubberShown_ = true;
    }
    lastPracticePos_ = p;
    return out;
}

PracticeEffects PracticeSession::Leave() {
    PracticeEffects out;
    out.clearReadout = true;
    if (rubberShown_ && answerState_ == 1) {
        TLineSpec band = answerSpec_;
        band.P2 = lastPracticePos_;
        if (band.P2 != band.P1) {
            out.marks.push_back(GraphMark(band, true));
        }
        rubberShown_ = false;
        lastPracticePos_ = answerSpec_.P1;
    }
    return out;
}

PracticeEffects PracticeSession::Redo() {
    PracticeEffects out;
    if (answerState_ != 1) {
        return out;
    }
    TLineSpec band = answerSpec_;
    band.P2 = lastPracticePos_;
    if (rubberShown_ && band.P2 != band.P1) {
        out.marks.push_back(GraphMark(band, true));
    }
    // The square stays where the student first clicked, as a trace of the try.
    if (!HasKeptSquare(answerSpec_.P1)) {
        keptSquares_.push_back(answerSpec_.P1);
    }
    rubberShown_ = false;
    answerState_ = 0;
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
    hintUsed_ = true;
    out.arrow = true;
    out.arrowAt = answerState_ == 0 ? Current().P1 : Current().P2;
    return out;
}
