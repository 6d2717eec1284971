#include "forecast/frmForecastingModels.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "forecast/core/Forecasting.h"
#include "platform/core/Format.h"
#include "platform/ui/Host.h"
#include "shell/DialogLook.h"
#include "shell/core/State.h"
#include "shell/core/tanumchk.h"
#include "shell/frmMenu.h"

FrmForecastingModels& frmForecastingModels() { return pf::instance<FrmForecastingModels>(); }

namespace {

constexpr const char* kMethodNames[] = {"Moving Averages", "Exponential Smoothing", "Trend Projection",
                                        "Trend and Seasonal"};
constexpr const char* kStatusCaptions[] = {
    "Forecasting Module - Moving Averages", "Forecasting Module - Exponential Smoothing",
    "Forecasting Module - Trend Projection", "Forecasting Module - Trend && Seasonal Projection"};

constexpr const char* kNoMethod = "You must select a forecasting method.";
constexpr const char* kPeriodsNotWhole = "NOTE:  THE NUMBER OF PERIODS MUST BE AN INTEGER VALUE.";
constexpr const char* kPeriodsRange = "NOTE:  THE NUMBER OF PERIODS MUST BE BETWEEN 1 AND ";
constexpr const char* kSmoothingRange = "NOTE:  THE VALUE OF THE SMOOTHING CONSTANT MUST BE BETWEEN 0 AND 1.";
constexpr const char* kTrendTooShort = "NOTE:  TREND PROJECTION NEEDS AT LEAST 2 TIME PERIODS.";
constexpr const char* kTrendRange = "NOTE:  THE NUMBER OF PERIODS MUST BE BETWEEN 1 AND 12.";
constexpr const char* kSeasonsNotWhole = "NOTE:  THE NUMBER OF SEASONS MUST BE AN INTEGER VALUE.";
constexpr const char* kSeasonsBelowOne = "NOTE:  THE NUMBER OF SEASONS MUST BE AT LEAST 1.";
constexpr const char* kSeasonsAbove = "NOTE:  THE NUMBER OF SEASONS CANNOT BE GREATER THAN ";
constexpr const char* kFutureNotWhole = "NOTE:  THE NUMBER OF PERIODS MUST BE AN INTEGER VALUE ";
constexpr const char* kFutureAboveSeasons =
    "NOTE:  THE NUMBER OF FORECAST PERIODS MUST BE LESS THAN OR EQUAL TO THE NUMBER OF SEASONS.";

// Leading-number value of a box's text; digits beyond the double range give no
// number (NaN), which is neither whole nor in any range.
double textValue(const std::string& text) {
    double v = 0;
    return QVForecasting::ParameterValue(text, v) ? v : std::numeric_limits<double>::quiet_NaN();
}

bool whole(double v) { return std::isfinite(v) && v == std::floor(v); }

// The seasonal index table holds 12 seasons; a series must hold two of each.
int maximumSeasons() {
    return std::min(qv::S().fc.intPeriodCount / 2, qv::ForecastBlock::kMaxSeasons);
}

}  // namespace

FrmForecastingModels::FrmForecastingModels() : pf::Form("frmForecastingModels", pf::FormKind::Dialog) {
    qv::applyDialogLook(*this, 6495, 4695, Picture1, imgIcon, Text1, 6015);
    Text1.Caption("Forecasting Methods");

    Frame1.Move(240, 720, 6015, 1815);
    Frame1.Caption("Select Method:");
    Frame1.BackColor(qv::kDialogGrey);
    Frame1.FontName("Century Gothic");
    Frame1.FontSize(9.75);
    Frame1.FontBold(true);
    Frame1.TabIndex = 0;
    for (int i = 0; i < 4; ++i) {
        auto& o = Option1[static_cast<std::size_t>(i)];
        o = std::make_unique<pf::OptionButton>(this, "Option1", i, &Frame1);
        o->Move(360, 300 + i * 360, 5400, 315);
        o->Caption(kMethodNames[i]);
        qv::dialogOptionLook({o.get()}, 9.75);
        o->TabIndex = 1 + i;
        o->Click = [this, i] { Option1_Click(i); };
    }

    Frame2.Move(240, 2640, 6015, kValueFrameHeight);
    Frame2.Caption("");
    Frame2.BackColor(qv::kDialogGrey);
    Label1_0.Move(120, 240, 4695, 375);
    Label1_2.Move(120, 720, 4695, 375);
    for (int i = 0; i < 2; ++i) {
        pf::Label& l = i == 0 ? Label1_0 : Label1_2;
        qv::dialogLabelLook(l, 9.75, true);
        l.Visible(false);
        auto& t = txtValue[static_cast<std::size_t>(i)];
        t = std::make_unique<pf::TextBox>(this, "txtValue", i, &Frame2);
        t->Move(4920, 240 + i * 480, 855, 375);
        t->FontName("MS Sans Serif");
        t->FontSize(9.75);
        t->Visible(false);
        t->TabIndex = 5 + i;
        t->GotFocus = [this, i] { txtValue_GotFocus(i); };
    }

    qv::dialogButton(CmdSolve, "Solve", 1440, 4080, 1455, 7);
    CmdSolve.Click = [this] { CmdSolve_Click(); };
    // Enter solves from the options and the boxes, as in the integer dialog.
    CmdSolve.Default(true);
    qv::dialogButton(cmdCancel, "Cancel", 3600, 4080, 1455, 8);
    cmdCancel.Click = [this] { cmdCancel_Click(); };
    Text1.TabIndex = 9;
    Picture1.TabIndex = 10;
    fitValueFrame();
}

void FrmForecastingModels::Option1_Click(int index) {
    static constexpr const char* kFirstCaptions[] = {"Number of Periods in Moving Average:",
                                                     "Smoothing Constant (0-1):",
                                                     "Number of Periods to Forescast (MAX=12):"};
    if (index < 0 || index > 3) return;
    if (index == 3)
        Label1_0.Caption("Number of Seasons (MAX=" + std::to_string(maximumSeasons()) + "):");
    else
        Label1_0.Caption(kFirstCaptions[index]);
    Label1_0.Visible(true);
    txtValue[0]->Visible(true);
    const bool second = index == 3;
    if (second) Label1_2.Caption("Number of Periods to Forecast:");
    Label1_2.Visible(second);
    txtValue[1]->Visible(second);
    fitValueFrame();
}

void FrmForecastingModels::fitValueFrame() {
    // The frame ends under its last shown row with the margin it has under two rows.
    const int rows = txtValue[1]->Visible() ? 2 : 1;
    const int bottomMargin = kValueFrameHeight - (txtValue[1]->Top() + txtValue[1]->Height());
    const int height = txtValue[static_cast<std::size_t>(rows - 1)]->Top() + txtValue[0]->Height() + bottomMargin;
    qv::closeUpBand(*this, Frame2.Height() - height, {&CmdSolve, &cmdCancel});
    Frame2.Height(height);
}

void FrmForecastingModels::txtValue_GotFocus(int index) {
    qv::selectAllText(*txtValue[static_cast<std::size_t>(index)]);
}

void FrmForecastingModels::refuse(int box, const std::string& message) {
    qv::refuseEntry(*txtValue[static_cast<std::size_t>(box)], message);
    txtValue_GotFocus(box);
}

void FrmForecastingModels::CmdSolve_Click() {
    auto& s = qv::S();
    auto& fc = s.fc;
    int method = 0;
    for (int i = 0; i < 4 && method == 0; ++i)
        if (Option1[static_cast<std::size_t>(i)]->Value()) method = i + 1;
    if (method == 0) {
        pf::MsgBox(kNoMethod, pf::vbCritical + pf::vbOKOnly, "Data Input Error");
        return;
    }
    fc.intForecastMethod = method;
    frmMenu().lblmoduleindicator.Caption(kStatusCaptions[method - 1]);
    frmMenu().lblmoduleindicator.Refresh();

    const double periods = fc.intPeriodCount;
    const std::string first = txtValue[0]->Text();
    const std::string second = txtValue[1]->Text();
    switch (method) {
        case 1: {
            const double k = textValue(first);
            if (!whole(k)) return refuse(0, kPeriodsNotWhole);
            if (k < 1 || k > periods - 1) return refuse(0, kPeriodsRange + pf::PlainNumber(periods - 1));
            fc.strMethodParameter = first;
            break;
        }
        case 2: {
            s.strNumericText = pf::UCase(first);
            tanumchk::CheckNumericText();
            if (s.strNumericOK == "NO") {
                tanumchk::ResetVerdicts();
                return refuse(0, kSmoothingRange);
            }
            // Kept as checked: commas are no decimal point, so "0,5" is 5, not 0.
            fc.strMethodParameter = s.strNumericText;
            const double a = textValue(fc.strMethodParameter);
            if (!(a >= 0 && a <= 1)) return refuse(0, kSmoothingRange);
            break;
        }
        case 3: {
            // A line through a single point has no slope.
            if (periods < 2) return refuse(0, kTrendTooShort);
            const double n = textValue(first);
            if (!whole(n)) return refuse(0, kPeriodsNotWhole);
            if (n < 1 || n > qv::ForecastBlock::kMaxFuturePeriods) return refuse(0, kTrendRange);
            fc.strFuturePeriods = first;
            break;
        }
        case 4: {
            const double seasons = textValue(first);
            if (!whole(seasons)) return refuse(0, kSeasonsNotWhole);
            if (seasons < 1) return refuse(0, kSeasonsBelowOne);
            const int most = maximumSeasons();
            if (seasons > most) return refuse(0, kSeasonsAbove + std::to_string(most));
            fc.strMethodParameter = first;
            const double future = textValue(second);
            if (!whole(future)) return refuse(1, kFutureNotWhole);
            if (future > textValue(fc.strMethodParameter)) return refuse(1, kFutureAboveSeasons);
            fc.strFuturePeriods = second;
            break;
        }
        default:
            break;
    }
    s.blnDialogCancelled = false;
    pf::Unload(*this);
}

void FrmForecastingModels::cmdCancel_Click() {
    qv::S().blnDialogCancelled = true;
    pf::Unload(*this);
}
