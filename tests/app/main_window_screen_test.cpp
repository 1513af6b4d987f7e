// What the main window shows of its graphs: the plane, the side panels, the value table and the
// formula list's sample strokes, read as pixels of the images at computed places.
#include <QCheckBox>
#include <QDir>
#include <QListWidget>

#include "plane/image_view.h"
#include "shiki_list.h"
#include "window_fixture.h"

namespace {

// Whether any pixel of the rectangle differs from the colour.
bool HasInk(const QImage& image, const QRect& area, QColor background) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixelColor(x, y) != background) {
                return true;
            }
        }
    }
    return false;
}

class MainWindowScreenTest : public MainWindowTest {
  protected:
    // Saves the window for a look by eye when TESMARA_SNAPSHOT_DIR is set.
    void Snapshot(const QString& name) {
        const QString dir = qEnvironmentVariable("TESMARA_SNAPSHOT_DIR");
        if (!dir.isEmpty()) {
            window->grab().save(QDir(dir).filePath(name + ".png"));
        }
    }
};

const QColor Teal(0, 128, 128);

TEST_F(MainWindowScreenTest, NewLineIsDrawnAndItsPanelsFilled) {
    window->AddOrReplaceLine(Line(0, 1, 2, 2), -1);  // y=1/2･x+1, the first colour (blue)
    const PlaneGeometry& g = Ui<PlaneView>("imgCood")->planeGeometry();
    const QImage& plane = Ui<PlaneView>("imgCood")->image();
    // On the line at x = 4, y = 3 (a slanted stroke may pass a pixel above or below).
    const QPoint onLine = g.LatticeToPixel({4, 3});
    EXPECT_TRUE(HasInk(plane, QRect(onLine - QPoint(0, 1), QSize(1, 3)), Qt::white));
    EXPECT_EQ(plane.pixelColor(onLine + QPoint(3, 6)), QColor(Qt::white));
    // The selected graph has black handles round its defining points.
    const QPoint p1 = g.LatticeToPixel({0, 1});
    EXPECT_EQ(plane.pixelColor(p1.x() - 4, p1.y()), QColor(Qt::black));

    const QRect whole(QPoint(0, 0), Ui<ImageView>("imgShiki")->image().size() - QSize(1, 1));
    EXPECT_TRUE(HasInk(Ui<ImageView>("imgShiki")->image(), whole, Teal));
    EXPECT_TRUE(HasInk(Ui<ImageView>("imgkatamuki")->image(),
                       Ui<ImageView>("imgkatamuki")->image().rect(), Teal));
    EXPECT_TRUE(HasInk(Ui<ImageView>("imgSeppen")->image(),
                       Ui<ImageView>("imgSeppen")->image().rect(), Teal));
    EXPECT_TRUE(HasInk(Ui<ImageView>("imgHenikiY")->image(),
                       Ui<ImageView>("imgHenikiY")->image().rect(), Teal));
    // "すべての数" for the domain of x.
    EXPECT_TRUE(HasInk(Ui<ImageView>("imgHenikiX")->image(),
                       Ui<ImageView>("imgHenikiX")->image().rect(), Teal));

    // Value table: column 5 is x = 0 with y = 1 (a whole number, blue); column 6 is x = 1 with
    // y = 3/2 (black).
    const QImage& table = Ui<ImageView>("imgTable")->image();
    const int rowHeight = table.height() / 3;
    auto columnHas = [&](int k, QColor colour, int top, int bottom) {
        for (int y = top; y < bottom; ++y) {
            for (int x = 35 * k + 3; x < 35 * (k + 1); ++x) {
                if (table.pixelColor(x, y) == colour) {
                    return true;
                }
            }
        }
        return false;
    };
    EXPECT_TRUE(columnHas(5, QColor(0, 0, 255), rowHeight + 1, table.height()));
    EXPECT_TRUE(columnHas(6, QColor(Qt::black), rowHeight + 1, table.height()));
    EXPECT_FALSE(columnHas(6, QColor(0, 0, 255), rowHeight + 1, table.height()));
    Snapshot("line");
}

TEST_F(MainWindowScreenTest, PanelsFollowTheirCheckBoxes) {
    window->AddOrReplaceLine(Line(1, 3, 3, -1), -1);
    Ui<QCheckBox>("chkKatamuki")->click();
    EXPECT_FALSE(HasInk(Ui<ImageView>("imgkatamuki")->image(),
                        Ui<ImageView>("imgkatamuki")->image().rect(), Teal));
    Ui<QCheckBox>("chkKatamuki")->click();
    EXPECT_TRUE(HasInk(Ui<ImageView>("imgkatamuki")->image(),
                       Ui<ImageView>("imgkatamuki")->image().rect(), Teal));
    Ui<QCheckBox>("chkShiki")->click();
    EXPECT_FALSE(HasInk(Ui<ImageView>("imgShiki")->image(),
                        Ui<ImageView>("imgShiki")->image().rect(), Teal));
}

TEST_F(MainWindowScreenTest, FormulaListRowsShowTheSampleStroke) {
    window->AddOrReplaceLine(Line(1, 3, 3, -1), -1);
    window->show();
    const QImage rows = Ui<ShikiList>("lstShiki")->viewport()->grab().toImage();
    // The stroke runs on the middle line of the first row from x = 0 to 40 in the graph's colour.
    EXPECT_EQ(rows.pixelColor(20, 10), QColor(0, 0, 255));
    Snapshot("list");
}

TEST_F(MainWindowScreenTest, CoincidentPointsAreReportedOnRedisplay) {
    TLineSpec spec = Line(2, 2, 2, 2);
    window->AddOrReplaceLine(spec, -1);
    ASSERT_FALSE(dialogs.messages.isEmpty());
    EXPECT_TRUE(dialogs.messages.last().endsWith(QStringLiteral("座標が同じなので線が引けません")));
}

}  // namespace
