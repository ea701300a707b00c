// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

namespace {

QByteArray ReadRules() {
    QFile file(QUELVANE_RULES_FILE);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(RulesText, FitsTheViewerWithCrLfLines) {
    const QByteArray text = ReadRules();
    ASSERT_FALSE(text.isEmpty());
    ASSERT_TRUE(text.endsWith("\r\n"));
    const QList<QByteArray> lines = text.chopped(2).split('\n');
    EXPECT_LE(lines.size(), 80);
    for (int i = 0; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        if (i + 1 < lines.size()) {
            ASSERT_TRUE(line.endsWith('\r')) << "line " << i + 1 << " lacks its CR";
            line.chop(1);
        }
        EXPECT_FALSE(line.contains('\r')) << "line " << i + 1;
        EXPECT_LE(line.size(), 95) << "line " << i + 1;
        for (const char c : line) {
            EXPECT_TRUE(c >= 0x20 && c <= 0x7e) << "line " << i + 1 << " holds byte " << int(c);
        }
    }
}

TEST(RulesText, CoversEveryRuleOfTheGame) {
    const QString text = QString::fromLatin1(ReadRules());
    for (const char* topic : {"joker", "queen", "two", "Progressive Twos", "king", "ace", "jack",
                              "Right-click", "19 cards", "double", "Play Until", "ten rounds",
                              "Save Game", "Saved Games", "High Scores", "Reshuffling Cards"}) {
        EXPECT_TRUE(text.contains(topic, Qt::CaseInsensitive)) << topic;
    }
}
