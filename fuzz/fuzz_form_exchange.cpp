// The four calculator forms driven without a window. The first input byte chooses
// the form; the rest types any texts in its fields, makes any radio and list choice,
// then reads the fields, presses the calculate button or "OK". Checks the read
// against the field text rules (order, stop at the first failure, one message), that
// a write shows every member as its field formats it, and paints the depth plot of
// the pile forms from whatever the calculation left.
//
// Message boxes are answered as soon as they are shown, so no modal loop waits.
// KORVANE_FUZZ_FORM_TALLY=1 prints, at exit, the runs and time spent on each form.

#include "CalcHarness.h"
#include "DLGspczl1.h"
#include "DLGspczl2.h"
#include "DLzhexian.h"
#include "Dlgyuanhuhuadong.h"
#include "FormChecks.h"
#include "FormChoice.h"
#include "ReusedForm.h"
#include "resource.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QRadioButton>

#include <array>
#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

using namespace korvane;

using namespace korvane;

namespace {

using fuzzcalc::Fail;
using namespace fuzzform;

// Closes each message box right after it is shown and remembers its text.
class BoxAnswerer : public QObject {
public:
    QStringList shown;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (auto* box = qobject_cast<QMessageBox*>(watched)) {
                shown << box->text();
                QPointer<QMessageBox> guard(box);
                QMetaObject::invokeMethod(
                    box,
                    [guard] {
                        if (guard)
                            guard->done(QMessageBox::Ok);
                    },
                    Qt::QueuedConnection);
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

BoxAnswerer& Answerer() {
    static BoxAnswerer* answerer = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "fuzz_form_exchange";
        static char* argv[] = {name, nullptr};
        // The offscreen platform's notes on window hints would drown the fuzzer's output.
        qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext&, const QString& message) {
                if (type == QtCriticalMsg || type == QtFatalMsg)
                    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
            });
        new QApplication(argc, argv); // lives for the process, like the program's
        auto* a = new BoxAnswerer;
        qApp->installEventFilter(a);
        return a;
    }();
    return *answerer;
}

// A field text: kept, a number as a form shows it, a whole number, a near-number
// typed from the characters a number may hold, or any bytes.
QString ConsumeFieldText(FuzzedDataProvider& in, const QString& current, double value, int whole) {
    switch (in.ConsumeIntegral<std::uint8_t>() % 5) {
    case 0:
        return current;
    case 1:
        return QString::fromStdString(FormatNumber(fuzzin::ConsumeDouble(in, value)));
    case 2:
        return QString::fromStdString(FormatWholeNumber(fuzzin::ConsumeInt(in, whole)));
    case 3: {
        static const char kChars[] = " \t0123456789.+-eEdD";
        std::string text;
        const int length = in.ConsumeIntegralInRange(0, 40);
        for (int i = 0; i < length; ++i)
            text += kChars[in.ConsumeIntegralInRange<std::size_t>(0, sizeof kChars - 2)];
        return QString::fromStdString(text);
    }
    default:
        return QString::fromUtf8(in.ConsumeRandomLengthString(48));
    }
}

// What the driver needs to know of a form beyond its member table.
template <class FormT, class RecordT> struct FormUnderTest {
    using Form = FormT;
    using Record = RecordT;
    std::string name; // "the high-cap form"
    MemberTable<Record> members;
    std::vector<int> lists; // the drop-down lists the calculation takes, in input order
    int calculate;          // the calculate button
    bool depthPlot;         // paints a depth plot of the calculated series
    // What the watchdog names when a step overstays.
    std::string reading = "reading " + name;
    std::string calculating = "the calculate button of " + name;
    std::string closing = "\"OK\" of " + name;
};

// Types into every field, clicks a radio button of each group (its handler runs) or
// unchecks them all, then chooses in each list.
template <class F> void TypeInputs(const F& under, typename F::Form& form, FuzzedDataProvider& in) {
    using Record = typename F::Record;
    for (const auto& info : under.members) {
        if (IsEditField(info.kind)) {
            QLineEdit& edit = EditField(form, info);
            const bool whole = info.kind == FieldKind::WholeNumber;
            const double value = fuzzcalc::Get(static_cast<const Record&>(form), info);
            edit.setText(ConsumeFieldText(in, edit.text(), whole ? 0.0 : value,
                                          whole ? static_cast<int>(value) : 0));
        } else if (info.kind == FieldKind::Radio) {
            const auto group = form.RadioGroup(info.control.id);
            const int choice = in.ConsumeIntegralInRange(-2, static_cast<int>(group.size()) - 1);
            if (choice >= 0) {
                group[choice]->click();
            } else if (choice == -1) {
                for (QRadioButton* b : group) {
                    b->setAutoExclusive(false);
                    b->setChecked(false);
                    b->setAutoExclusive(true);
                }
            }
        }
    }
    for (int id : under.lists) {
        auto* list = qobject_cast<QComboBox*>(form.GetDlgItem(id));
        if (!list)
            Fail("%s has no list %d", under.name.c_str(), id);
        list->setCurrentIndex(fuzzin::ConsumeInt(in, -1));
    }
}

// Clicks a button of the form under the watchdog's bound; the button must exist.
template <class F>
void ClickButton(const F& under, typename F::Form& form, int id, const std::string& what) {
    auto* button = qobject_cast<QAbstractButton*>(form.GetDlgItem(id));
    if (!button)
        Fail("%s has no button %d", under.name.c_str(), id);
    auto& dog = fuzzcalc::Watchdog::Instance();
    dog.Arm(what.c_str());
    button->click();
    dog.Disarm();
}

template <class F>
void Read(const F& under, typename F::Form& form, const ExpectedRead<typename F::Record>& expected,
          BoxAnswerer& boxes) {
    using Record = typename F::Record;
    auto& dog = fuzzcalc::Watchdog::Instance();
    dog.Arm(under.reading.c_str());
    const bool ok = form.UpdateData(true);
    dog.Disarm();
    if (ok != expected.ok)
        Fail("%s: read returned %d, the field rules give %d", under.name.c_str(), ok, expected.ok);
    if (boxes.shown.size() != (ok ? 0 : 1) || (!ok && boxes.shown.front() != expected.message))
        Fail("%s: read showed %d message(s), first \"%s\"; expected \"%s\"", under.name.c_str(),
             static_cast<int>(boxes.shown.size()), boxes.shown.value(0).toUtf8().constData(),
             expected.message.toUtf8().constData());
    CheckMembersRead<Record>(expected.record, form, under.members);
    form.UpdateData(false);
    CheckFieldsShowMembers<Record>(form, form, under.members);
}

template <class F>
void Calculate(const F& under, typename F::Form& form,
               const ExpectedRead<typename F::Record>& expected, BoxAnswerer& boxes) {
    using Record = typename F::Record;
    const QStringList typed = FieldTexts<Record>(form, under.members);
    ClickButton(under, form, under.calculate, under.calculating);
    // A refused read shows its message alone and keeps every field as typed; a read
    // that passes shows at most a refusal or a list of undefined results.
    if (!expected.ok && (boxes.shown.size() != 1 || boxes.shown.front() != expected.message))
        Fail("%s, calculate: the read's message \"%s\" was not shown alone", under.name.c_str(),
             expected.message.toUtf8().constData());
    if (boxes.shown.size() > 1)
        Fail("%s, calculate: showed %d messages", under.name.c_str(),
             static_cast<int>(boxes.shown.size()));
    if (expected.ok)
        CheckFieldsShowMembers<Record>(form, form, under.members);
    else
        CheckFieldsKept<Record>(form, typed, under.members);
    if (under.depthPlot)
        (void)form.grab(); // paints the depth plot from the series just computed
}

template <class F>
void PressOk(const F& under, typename F::Form& form,
             const ExpectedRead<typename F::Record>& expected, BoxAnswerer& boxes) {
    using Record = typename F::Record;
    ClickButton(under, form, IDOK, under.closing);
    if ((form.result() == IDOK) != expected.ok)
        Fail("%s: \"OK\" with a read that %s ended the form with %d", under.name.c_str(),
             expected.ok ? "passes" : "fails", form.result());
    if (boxes.shown.size() != (expected.ok ? 0 : 1))
        Fail("%s: \"OK\" showed %d messages", under.name.c_str(),
             static_cast<int>(boxes.shown.size()));
    CheckMembersRead<Record>(expected.record, form, under.members);
}

template <class F> void Drive(const F& under, FuzzedDataProvider& in) {
    using Form = typename F::Form;
    using Record = typename F::Record;
    BoxAnswerer& boxes = Answerer();
    // Kept to the end of the process, like the application: a widget must not be
    // destroyed after the toolkit's own exit handlers have run.
    static auto* reused = new ReusedForm<Form, Record>;
    Form* opened = reused->Fresh();
    if (!opened)
        Fail("%s did not open", under.name.c_str());
    Form& form = *opened;
    // A reused form shows what a new one does: the defaults in every field and group.
    CheckFieldsShowMembers<Record>(form, Record(), under.members);
    CheckRadiosShowMembers<Record>(form, Record(), under.members);

    TypeInputs(under, form, in);
    const Record start = form;
    const ExpectedRead<Record> expected = ReadByFieldRules<Record>(form, start, under.members);
    boxes.shown.clear();
    switch (in.ConsumeIntegral<std::uint8_t>() % 3) {
    case 0:
        Read(under, form, expected, boxes);
        break;
    case 1:
        Calculate(under, form, expected, boxes);
        break;
    default:
        PressOk(under, form, expected, boxes);
        break;
    }
}

const FormUnderTest<CDlgyuanhuhuadong, CircularSlipRecord> kCircular{
    "the circular slip form",
    CircularSlipMembers(),
    {IDC_COMBO_CONCRETE, IDC_COMBO_REBAR},
    IDC_CALC_CIRCLE,
    false};
const FormUnderTest<CDLzhexian, PolylineSlipRecord> kPolyline{"the polyline slip form",
                                                              PolylineSlipMembers(),
                                                              {IDC_COMBO_CONCRETE, IDC_COMBO_REBAR},
                                                              IDC_CALC_POLYLINE,
                                                              false};
const FormUnderTest<CDLGspczl1, CombinedActionRecord> kCombined{"the combined-action form",
                                                                CombinedActionMembers(),
                                                                {IDC_COMBO_CONCRETE},
                                                                IDC_CALC_COMBINED,
                                                                true};
const FormUnderTest<CDLGspczl2, HighCapRecord> kHighCap{
    "the high-cap form", HighCapMembers(), {IDC_COMBO_CONCRETE}, IDC_CALC_MAX_FORCES, true};

// Runs and wall time per form, for the record of a long run.
struct Tally {
    const char* form;
    unsigned long long runs = 0;
    std::chrono::steady_clock::duration spent{};
};
std::array<Tally, kFormCount> tallies = {{{"circular"}, {"polyline"}, {"combined"}, {"highcap"}}};

void PrintTallies() {
    for (const Tally& t : tallies)
        std::fprintf(stderr, "form tally: %s runs=%llu seconds=%.1f\n", t.form, t.runs,
                     std::chrono::duration<double>(t.spent).count());
}

void Run(const std::uint8_t* data, std::size_t size) {
    static const bool tally = [] {
        const bool on = std::getenv("KORVANE_FUZZ_FORM_TALLY") != nullptr;
        if (on)
            std::atexit(PrintTallies);
        return on;
    }();
    const FormChoice choice = size > 0 ? ChooseForm(data[0]) : FormChoice::Circular;
    FuzzedDataProvider in(size > 0 ? data + 1 : data, size > 0 ? size - 1 : 0);
    const auto start = std::chrono::steady_clock::now();
    switch (choice) {
    case FormChoice::Circular:
        Drive(kCircular, in);
        break;
    case FormChoice::Polyline:
        Drive(kPolyline, in);
        break;
    case FormChoice::Combined:
        Drive(kCombined, in);
        break;
    case FormChoice::HighCap:
        Drive(kHighCap, in);
        break;
    }
    if (tally) {
        Tally& t = tallies[static_cast<int>(choice)];
        ++t.runs;
        t.spent += std::chrono::steady_clock::now() - start;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Run(data, size);
    return 0;
}
