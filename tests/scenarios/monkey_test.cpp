// SPDX-License-Identifier: MIT
// The monkey's own rules: a start number gives the same numbers with every standard
// library, and the catalogue may only grow by whole added lines.
#include "tools/vek-drive/monkey.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <vector>

namespace {

using drive::Monkey;
using drive::MonkeyRandom;

TEST(MonkeyRandom, StartNumberGivesTheSameNumbersEverywhere) {
    // std::mt19937's output is fixed by the standard; the reduction is ours.
    MonkeyRandom random(20261207);
    std::vector<int> got;
    for (int i = 0; i < 6; ++i) got.push_back(random.Below(1000));
    EXPECT_EQ(got, (std::vector<int>{807, 929, 466, 75, 853, 409}));
}

void WriteCatalogue(const QByteArray& bytes) {
    QFile file(QStringLiteral("data.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

TEST(Monkey, CatalogueMayOnlyGrowByWholeLines) {
    QTemporaryDir dir;
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    WriteCatalogue("[a][1][m]=[100][cm]\n");
    {
        Monkey monkey(0, 1);
        // No main window runs here: that is the one failure a sound
        // catalogue leaves.
        const QString noMainWindow =
            QStringLiteral("the main window is gone without a close request");
        const QString changed = QStringLiteral("data.ini changed other than by an added line");
        WriteCatalogue("[a][1][m]=[100][cm]\n[a][1][m]=[1000][mm]\n");
        EXPECT_EQ(monkey.Check(), noMainWindow);
        WriteCatalogue("[a][1][m]=[100][cm]\n[a][1][m]=[1000][mm]\n[a][1][m]=[1");
        EXPECT_EQ(monkey.Check(), changed);  // a line cut short
        WriteCatalogue("[a][1][m]=[100][cm]\n[a][1][m]=[10][mm]\n");
        EXPECT_EQ(monkey.Check(), changed);
        WriteCatalogue("[a][1][m]=[100][cm]\n");
        EXPECT_EQ(monkey.Check(), changed);
    }
    QDir::setCurrent(before);
}

}  // namespace
