// Every window shows the whole of its texts in the faces that stand in for the
// design's: the splash, the chooser, the twelve home screens, the features and
// integer dialogs and the solution window. Run with QV_SCREENSHOT_DIR set (under a
// real display, e.g. xvfb-run) to keep a picture of each.
#include <gtest/gtest.h>

#include "tests/ui_layout_check.h"
#include "tests/ui_test_support.h"

#include <QImage>
#include <QPainter>
#include <QScrollBar>

#include <cstdlib>
#include <string>
#include <vector>

#include "lp/QVLP.h"
#include "lp/core/TextModel.h"
#include "lp/frmIP.h"
#include "lp/frmLPFeatures.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Grid.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmModuleSelection.h"
#include "shell/frmSolution.h"
#include "shell/frmStartup.h"
#include "shell/frmTransObj.h"
#include "shell/frmUserInput.h"

namespace {

using Texts = std::vector<std::string>;

class WindowTextFitTest : public ::testing::Test {
protected:
    void SetUp() override { qvtest::resetProgram(); }
    void TearDown() override {
        EXPECT_TRUE(pf::scriptedHost().allAnswersUsed());
        pf::unloadAll();
    }
    static void start() {
        qv::startProgram();
        frmStartup().cmdOK.userClick();
        pf::collectUnloaded();
    }
    static void choose(int module) {
        auto& c = frmModuleSelection();
        c.optProblemType[static_cast<std::size_t>(module)]->userClick();
        c.cmdOK.userClick();
        pf::collectUnloaded();
    }
    // Centre of a window on the screen.
    static QPoint centre(const pf::Form& f) { return f.window()->frameGeometry().center(); }
};

// A form whose labels are sized by the design, not by their texts.
class FitForm : public pf::Form {
public:
    FitForm() : pf::Form("frmFit", pf::FormKind::TopLevel) { Move(0, 0, 6000, 4500); }
    pf::Label wrapped{this, "wrapped"};
    pf::Label single{this, "single"};
    pf::Label below{this, "below"};
    pf::TextBox notice{this, "notice", -1, nullptr, true};
    pf::TextBox shown{this, "shown"};
    pf::TextBox typed{this, "typed"};
};

TEST_F(WindowTextFitTest, LabelsAndNoticeBoxesGrowToTheirText) {
    FitForm& f = pf::instance<FitForm>();
    f.Show();
    const std::string longText =
        "A text far longer than one line of a narrow label, so that it wraps over several lines "
        "and needs more height than the design gave it.";
    f.below.Visible(false);
    f.wrapped.WordWrap(true);
    f.wrapped.Move(120, 120, 2400, 375);
    f.wrapped.Caption(longText);
    f.single.Move(120, 1800, 600, 255);
    f.single.Caption("Select General Integer Variables:");
    f.notice.Move(3000, 120, 2400, 255);
    f.notice.Locked(true);
    f.notice.Text(longText);
    EXPECT_GT(f.wrapped.Height(), 375);
    EXPECT_EQ(f.wrapped.Width(), 2400);  // a wrapped label keeps its width
    EXPECT_GT(f.single.Width(), 600);
    EXPECT_EQ(f.single.Height(), 255);
    EXPECT_GT(f.notice.Height(), 255);
    // A one-line box showing a text grows in width; one the user types into scrolls.
    f.shown.Move(120, 2400, 600, 375);
    f.shown.Locked(true);
    f.shown.Text("A text shown in full");
    f.typed.Move(120, 3000, 600, 375);
    f.typed.Text("A text typed at length");
    EXPECT_GT(f.shown.Width(), 600);
    EXPECT_EQ(f.typed.Width(), 600);
    f.typed.Visible(false);
    EXPECT_EQ(qvtest::clippedTexts(f), Texts{});

    // A text that fits keeps the design's size, also after a longer one.
    f.single.Caption("OK");
    EXPECT_EQ(f.single.Width(), 600);
    f.wrapped.Caption("Short.");
    EXPECT_EQ(f.wrapped.Height(), 375);
    // The label's own measure of its text, for layouts that place something below it.
    EXPECT_LT(f.wrapped.TextHeight(), 375);
}

TEST_F(WindowTextFitTest, TheCheckFindsCutAndCoveredTexts) {
    FitForm& f = pf::instance<FitForm>();
    f.Show();
    f.wrapped.WordWrap(true);
    f.notice.Visible(false);
    f.shown.Visible(false);
    f.typed.Visible(false);
    f.wrapped.Move(120, 120, 2400, 1200);
    f.wrapped.Caption("Line one of a text that wraps onto a second line and then onto a third one.");
    // The next label is stacked above and lies over the wrapped text.
    f.below.Move(120, 300, 2400, 255);
    f.below.Caption("On top");
    // A single-line label running past the window's right edge.
    f.single.Move(5400, 3600, 600, 255);
    f.single.Caption("Much too long for the space left");
    const Texts found = qvtest::clippedTexts(f);
    ASSERT_EQ(found.size(), 2u) << ::testing::PrintToString(found);
    EXPECT_EQ(found[0], "wrapped: covered by below");
    EXPECT_EQ(found[1], "single: cut by the edge of frmFit");
}

TEST_F(WindowTextFitTest, SplashShowsEveryNoticeWhole) {
    qv::startProgram();
    FrmStartup& s = frmStartup();
    qvtest::saveScreenshot(s.window(), "splash");
    EXPECT_EQ(qvtest::clippedTexts(s), Texts{});
    // Notices follow each other without overlapping and stay above the line and the button.
    pf::TextBox* boxes[5] = {&s.Text1, &s.Text2, &s.Text3, &s.Text4, &s.Text5};
    for (int i = 0; i < 5; ++i) {
        auto* bar = boxes[i]->widget()->findChild<QScrollBar*>();
        const bool shown = bar && bar->isVisibleTo(s.window());
        EXPECT_FALSE(shown) << boxes[i]->Name();
        if (i > 0) {
            EXPECT_GE(boxes[i]->Top(), boxes[i - 1]->Top() + boxes[i - 1]->Height()) << boxes[i]->Name();
        }
    }
    EXPECT_LE(s.Text5.Top() + s.Text5.Height(), s.Line3.Top());
    EXPECT_LE(s.cmdOK.Top() + s.cmdOK.Height(), s.ScaleHeight());
}

TEST_F(WindowTextFitTest, ChooserAndEveryHomeScreenShowTheirTextsWhole) {
    start();
    std::vector<QImage> tops;
    for (int module = 1; module <= 12; ++module) {
        SCOPED_TRACE("module " + std::to_string(module));
        if (module > 1) frmMenu().mnuFileChangeModules->Click();
        pf::collectUnloaded();
        auto& chooser = frmModuleSelection();
        chooser.optProblemType[static_cast<std::size_t>(module)]->userClick();
        EXPECT_EQ(qvtest::clippedTexts(chooser), Texts{});
        if (module == 9) qvtest::saveScreenshot(frmMenu().window(), "chooser");
        choose(module);
        pf::Form* home = nullptr;
        for (pf::Form* f : pf::forms::loaded())
            if (f->kind() == pf::FormKind::Child) home = f;
        ASSERT_NE(home, nullptr);
        EXPECT_EQ(qvtest::clippedTexts(*home), Texts{});
        EXPECT_EQ(qvtest::clippedTexts(frmMenu()), Texts{});
        // The prompt sits below the whole description, at the description's margin.
        auto* desc = static_cast<pf::Label*>(home->control("txtLoadInfo"));
        auto* prompt = static_cast<pf::Label*>(home->control("lblLoadInfo"));
        EXPECT_GE(prompt->Top(), desc->Top() + desc->TextHeight());
        const QFontMetrics fm = prompt->widget()->fontMetrics();
        const int promptTextLeft = prompt->widget()->contentsRect().left() + fm.horizontalAdvance(QStringLiteral("  "));
        EXPECT_NEAR(desc->widget()->contentsRect().left(), promptTextLeft, 1);
        qvtest::saveScreenshot(frmMenu().window(), "home_" + std::to_string(module));
        if (std::getenv("QV_SCREENSHOT_DIR")) tops.push_back(home->window()->grab(QRect(0, 0, home->window()->width(), 130)).toImage());
    }
    // The tops of all twelve home screens in one picture, for looking them over.
    if (const char* dir = std::getenv("QV_SCREENSHOT_DIR")) {
        QImage all(tops.front().width(), 130 * static_cast<int>(tops.size()), QImage::Format_RGB32);
        QPainter p(&all);
        for (std::size_t i = 0; i < tops.size(); ++i) p.drawImage(0, 130 * static_cast<int>(i), tops[i]);
        p.end();
        all.save(QString::fromLocal8Bit(dir) + "/home_tops.png");
    }
}

TEST_F(WindowTextFitTest, FeaturesAndIntegerDialogsShowTheirTextsWholeCentredOnTheMainWindow) {
    start();
    choose(4);
    auto& lp = qv::S().lp;
    lp.intConstraintCount = 2;
    lp.intVariableCount = 3;
    QVLP::InitLPArrays();
    lp.intConstraintCount = 2;
    lp.intVariableCount = 3;
    for (int i = 1; i <= 3; ++i) lp.strVariableNames(i) = "X" + std::to_string(i);
    const QPoint mainCentre = centre(frmMenu());

    for (const char* name : {"frmLPFeatures", "frmIP"}) {
        SCOPED_TRACE(name);
        pf::scriptedHost().expectModal(name, [&](pf::Form& f) {
            f.window()->show();
            qvtest::saveScreenshot(f.window(), name);
            EXPECT_EQ(qvtest::clippedTexts(f), Texts{});
            EXPECT_EQ(qvtest::textsOffMargin(f, 8), Texts{});
            EXPECT_EQ(qvtest::blankBands(f), Texts{});
            if (auto* ip = dynamic_cast<FrmIP*>(&f)) {
                // Each heading stands over its list, no wider.
                EXPECT_LE(ip->Label1.Left() + ip->Label1.Width(), ip->lstBinary.Left() + ip->lstBinary.Width());
                EXPECT_LE(ip->Label2.Left() + ip->Label2.Width(), ip->lstGeneral.Left() + ip->lstGeneral.Width());
            }
            const QPoint d = centre(f) - mainCentre;
            EXPECT_LE(std::abs(d.x()), 1);
            EXPECT_LE(std::abs(d.y()), 1);
            static_cast<pf::CommandButton*>(f.control("cmdCancel"))->userClick();
        });
        if (std::string(name) == "frmLPFeatures") frmLPFeatures().Show(pf::vbModal);
        else frmIP().Show(pf::vbModal);
    }
}

TEST_F(WindowTextFitTest, LinearProgramInputWindowShowsItsTextsWhole) {
    start();
    for (int module : {1, 4}) {
        SCOPED_TRACE(module);
        if (module == 4) frmMenu().mnuFileChangeModules->Click();
        pf::collectUnloaded();
        choose(module);
        // File New with 4 variables, 3 constraints, Minimize.
        pf::scriptedHost().expectModal("frmLPFeatures", [](pf::Form& f) {
            auto& d = static_cast<FrmLPFeatures&>(f);
            d.txtVariables.Text("4");
            d.txtConstraints.Text("3");
            d.optMinimize.userClick();
            d.cmdOK.userClick();
        });
        frmMenu().mnuFileNew->Click();
        auto& s = qv::S();
        ASSERT_EQ(s.lp.intVariableCount, 4);
        qvtest::saveScreenshot(frmMenu().window(), "lp_input_" + std::to_string(module));
        EXPECT_EQ(qvtest::clippedTexts(frmMenu()), Texts{});
        s.strProblemEntered = "NO";  // leave without the question
    }
}

TEST_F(WindowTextFitTest, ShellDialogsShowTheirTextsWhole) {
    start();
    // The dimensions dialog with each module's questions and note.
    for (int module : {2, 3, 5, 6, 8, 11, 12}) {
        SCOPED_TRACE("module " + std::to_string(module));
        qv::S().intCurrentModule = module;
        pf::scriptedHost().expectModal("frmUserInput", [&](pf::Form& f) {
            f.window()->show();
            qvtest::saveScreenshot(f.window(), "frmUserInput_" + std::to_string(module));
            EXPECT_EQ(qvtest::clippedTexts(f), Texts{});
            // One question: no blank row where the second one is hidden.
            EXPECT_EQ(qvtest::blankBands(f), Texts{});
            static_cast<pf::CommandButton*>(f.control("cmdCancel"))->userClick();
        });
        pf::scriptedHost().expectMessage(pf::vbYes);  // Cancel asks first
        qv::askDimensions();
    }
    // The optimization-criterion dialog with its own captions and with the decision
    // module's longer ones.
    for (const char* maximize : {"", "Maximize the Payoff"}) {
        SCOPED_TRACE(maximize);
        pf::scriptedHost().expectModal("frmTransObj", [&](pf::Form& f) {
            f.window()->show();
            qvtest::saveScreenshot(f.window(), std::string("frmTransObj") + (*maximize ? "_payoff" : ""));
            EXPECT_EQ(qvtest::clippedTexts(f), Texts{});
            static_cast<pf::CommandButton*>(f.control("cmdCancel"))->userClick();
        });
        qv::askOptimizationCriterion(maximize, *maximize ? "Minimize the Payoff" : "");
    }
}

TEST_F(WindowTextFitTest, FeaturesFrameCaptionSitsOnItsBorder) {
    start();
    pf::scriptedHost().expectModal("frmLPFeatures", [](pf::Form& f) {
        f.window()->show();
        QWidget* frame = f.control("FrameOptType")->widget();
        const QImage img = frame->grab().toImage();
        // The top border is the first row drawn in a darker grey across the frame's
        // right half, where no caption stands; it runs through the caption's middle.
        const QRgb back = img.pixel(img.width() - 4, img.height() / 2);
        int border = -1;
        for (int y = 0; y < img.height() && border < 0; ++y) {
            int dark = 0;
            for (int x = img.width() / 2; x < img.width() - 4; ++x)
                if (qGray(img.pixel(x, y)) + 30 < qGray(back)) ++dark;
            if (dark > img.width() / 4) border = y;
        }
        const int captionMiddle = frame->fontMetrics().height() / 2;
        EXPECT_NEAR(border, captionMiddle, 2);
        static_cast<pf::CommandButton*>(f.control("cmdCancel"))->userClick();
    });
    frmLPFeatures().Show(pf::vbModal);
}

// Pixels of a widget that differ from its background: some text is in view.
int inkPixels(QWidget* w) {
    const QImage img = w->grab().toImage();
    const QRgb bg = img.pixel(img.width() - 2, img.height() - 2);
    int ink = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != bg && qGray(img.pixel(x, y)) < 100) ++ink;
    return ink;
}

TEST_F(WindowTextFitTest, SolutionWindowScrollsOnlyWhenItsLinesDoNotFit) {
    start();
    FrmSolution& w = frmSolution();
    w.hideTitle(true);
    w.startLines("Optimal Solution");
    for (int i = 0; i < 12; ++i)
        w.addLine("   X" + std::to_string(i) + "                 12.000               0.000");
    w.showSolution();
    qvtest::saveScreenshot(frmMenu().window(), "solution");
    EXPECT_EQ(qvtest::clippedTexts(w), Texts{});
    QWidget* grid = w.gridSolution.widget();
    auto bars = grid->findChildren<QScrollBar*>();
    ASSERT_FALSE(bars.empty());
    for (QScrollBar* b : bars) EXPECT_FALSE(b->isVisibleTo(w.window())) << b->orientation();

    // A long report of lines that fit: only the vertical bar, though it narrows the grid.
    w.startLines("Optimal Solution");
    for (int i = 0; i < 300; ++i) w.addLine("   X" + std::to_string(i) + "                 12.000");
    w.showSolution();
    QApplication::processEvents();
    for (QScrollBar* b : bars)
        EXPECT_EQ(b->isVisibleTo(w.window()), b->orientation() == Qt::Vertical) << b->orientation();

    // A long report of wide lines: both bars, and wherever they are moved some of the
    // report stays in view.
    w.startLines(std::string(200, 'A'));
    for (int i = 0; i < 300; ++i) w.addLine(std::to_string(i) + std::string(150, '-') + "END");
    w.showSolution();
    QApplication::processEvents();
    int shown = 0;
    for (QScrollBar* b : bars) {
        if (!b->isVisibleTo(w.window())) continue;
        ++shown;
        EXPECT_GE(b->pageStep(), b->singleStep());
        for (int v : {b->minimum() + b->singleStep(), b->maximum() / 2, b->maximum()}) {
            b->setValue(v);
            QApplication::processEvents();
            EXPECT_GT(inkPixels(grid), 0) << b->orientation() << " at " << v;
        }
        // One step moves a few characters or a row, not the whole report.
        if (b->orientation() == Qt::Horizontal) {
            EXPECT_GT(b->maximum(), b->singleStep());
            EXPECT_LE(b->singleStep(), grid->fontMetrics().horizontalAdvance(QStringLiteral("MMMMMMMM")));
        }
        if (b->orientation() == Qt::Horizontal) qvtest::saveScreenshot(frmMenu().window(), "solution_scrolled");
        b->setValue(b->minimum());
    }
    EXPECT_EQ(shown, 2);
}

}  // namespace
