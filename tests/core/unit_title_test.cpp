// Unit titles: what a title may not be.
#include <gtest/gtest.h>

#include "unit_title.h"

namespace {

TEST(UnitTitle, RefusesEmptyUnwritableBracketedAndCommaTitles) {
    const std::pair<QString, QString> rows[] = {
        {"", QStringLiteral("単元名を入力してください")},
        {QStringLiteral("比例のグラフ y=ax"), ""},
        {QStringLiteral("［全角の括弧］ｶﾀｶﾅ①"), ""},
        {" ", ""},
        {QStringLiteral("a[b"), QStringLiteral("単元名に「[」や「]」は使えません")},
        {QStringLiteral("]"), QStringLiteral("単元名に「[」や「]」は使えません")},
        {QStringLiteral("y=2x, y=3x"), QStringLiteral("単元名に「,」は使えません")},
        {QStringLiteral("y=2x，y=3x"), ""},  // the full-width comma is only text
        {QStringLiteral("x\U0001F600["),
         QStringLiteral("「\U0001F600」はShift-JISで保存できない文字です")},
    };
    for (const auto& [title, message] : rows) {
        EXPECT_EQ(UnitTitleProblem(title), message) << title.toStdString();
    }
}

}  // namespace
