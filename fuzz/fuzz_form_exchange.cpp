// The high-cap form driven without a window: any texts in its fields, any radio and
// list choice, then a read of the fields, the calculate button or "OK". Checks the
// read against the field text rules (order, stop at the first failure, one message),
// that the closing write shows every member as its field formats it, and paints the
// depth plot of whatever the calculation left.
//
// Message boxes are answered as soon as they are shown, so no modal loop waits.

#include "CalcHarness.h"
#include "DLGspczl2.h"
#include "resource.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QRadioButton>

#include <optional>

using namespace korvane;

namespace {

using fuzzcalc::Fail;

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
                    box, [guard] { if (guard) guard->done(QMessageBox::Ok); }, Qt::QueuedConnection);
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
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
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

struct Expected {
    HighCapRecord record;
    bool ok = true;
    QString message;
};

// The read of the fields by the rules of the field text, in binding-list order.
Expected ExpectedRead(const CDLGspczl2& form, const HighCapRecord& start) {
    Expected e{start, true, {}};
    for (const auto& info : korvane::HighCapMembers()) {
        if (info.kind == korvane::FieldKind::None)
            continue;
        if (info.kind == korvane::FieldKind::Radio) {
            const auto group = form.RadioGroup(info.control.id);
            int checked = -1;
            for (std::size_t i = 0; i < group.size(); ++i) {
                if (group[i]->isChecked())
                    checked = static_cast<int>(i);
            }
            e.record.*std::get<int HighCapRecord::*>(info.member) = checked;
            continue;
        }
        const std::string text = qobject_cast<QLineEdit*>(form.GetDlgItem(info.control.id))->text().toStdString();
        if (info.kind == korvane::FieldKind::Number) {
            const auto m = std::get<double HighCapRecord::*>(info.member);
            const std::optional<double> v = ParseNumber(text);
            if (!v) {
                e.ok = false;
                e.message = QString::fromUtf8(FieldMessage(IDS_ENTER_NUMBER));
                return e;
            }
            e.record.*m = *v;
            if (info.range && !InRange(*v, info.range->min, info.range->max)) {
                e.ok = false;
                e.message = QString::fromStdString(DoubleRangeMessage(info.range->min, info.range->max));
                return e;
            }
        } else {
            const auto m = std::get<int HighCapRecord::*>(info.member);
            const std::optional<int> v = ParseWholeNumber(text);
            if (!v) {
                e.ok = false;
                e.message = QString::fromUtf8(FieldMessage(IDS_ENTER_WHOLE_NUMBER));
                return e;
            }
            e.record.*m = *v;
            if (info.range && !InRange(*v, static_cast<int>(info.range->min), static_cast<int>(info.range->max))) {
                e.ok = false;
                e.message = QString::fromStdString(IntRangeMessage(static_cast<long>(info.range->min),
                                                                   static_cast<long>(info.range->max)));
                return e;
            }
        }
    }
    return e;
}

void CheckMembers(const HighCapRecord& expected, const HighCapRecord& actual) {
    for (const auto& info : korvane::HighCapMembers()) {
        if (info.kind != korvane::FieldKind::None && fuzzcalc::Changed(expected, actual, info))
            Fail("form read: %s = %.17g, the field rules give %.17g", info.name, fuzzcalc::Get(actual, info),
                 fuzzcalc::Get(expected, info));
    }
}

// After a write of the record every field shows its member as formatted.
void CheckFieldsShowMembers(const CDLGspczl2& form) {
    for (const auto& info : korvane::HighCapMembers()) {
        if (info.kind != korvane::FieldKind::Number && info.kind != korvane::FieldKind::WholeNumber)
            continue;
        const QString text = qobject_cast<QLineEdit*>(form.GetDlgItem(info.control.id))->text();
        const double v = fuzzcalc::Get(static_cast<const HighCapRecord&>(form), info);
        const std::string expected = info.kind == korvane::FieldKind::Number ? FormatNumber(v)
                                                                    : FormatWholeNumber(static_cast<int>(v));
        if (text.toStdString() != expected)
            Fail("form write: field of %s shows \"%s\", its member is %s", info.name, text.toUtf8().constData(),
                 expected.c_str());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    BoxAnswerer& boxes = Answerer();
    FuzzedDataProvider in(data, size);
    CDLGspczl2 form;
    if (!form.Create())
        Fail("the high-cap form did not open");

    for (const auto& info : korvane::HighCapMembers()) {
        if (info.kind == korvane::FieldKind::Number || info.kind == korvane::FieldKind::WholeNumber) {
            auto* edit = qobject_cast<QLineEdit*>(form.GetDlgItem(info.control.id));
            if (!edit)
                Fail("no edit field %d for %s", info.control.id, info.name);
            const HighCapRecord& record = form;
            const bool whole = info.kind == korvane::FieldKind::WholeNumber;
            const double value = fuzzcalc::Get(record, info);
            edit->setText(ConsumeFieldText(in, edit->text(), whole ? 0.0 : value, whole ? static_cast<int>(value) : 0));
        } else if (info.kind == korvane::FieldKind::Radio) {
            // Click a button of the group (its handler runs), or uncheck them all.
            const auto group = form.RadioGroup(info.control.id);
            const int choice = in.ConsumeIntegralInRange(-2, static_cast<int>(group.size()) - 1);
            if (choice >= 0)
                group[choice]->click();
            else if (choice == -1) {
                for (QRadioButton* b : group) {
                    b->setAutoExclusive(false);
                    b->setChecked(false);
                    b->setAutoExclusive(true);
                }
            }
        }
    }
    auto* combo = qobject_cast<QComboBox*>(form.GetDlgItem(IDC_COMBO_CONCRETE));
    combo->setCurrentIndex(fuzzin::ConsumeInt(in, -1));

    const HighCapRecord start = form;
    const Expected expected = ExpectedRead(form, start);
    boxes.shown.clear();
    auto& dog = fuzzcalc::Watchdog::Instance();
    switch (in.ConsumeIntegral<std::uint8_t>() % 3) {
    case 0: {
        dog.Arm("reading the high-cap form");
        const bool ok = form.UpdateData(true);
        dog.Disarm();
        if (ok != expected.ok)
            Fail("form read returned %d, the field rules give %d", ok, expected.ok);
        if (boxes.shown.size() != (ok ? 0 : 1) || (!ok && boxes.shown.front() != expected.message))
            Fail("form read showed %d message(s), first \"%s\"; expected \"%s\"", static_cast<int>(boxes.shown.size()),
                 boxes.shown.value(0).toUtf8().constData(), expected.message.toUtf8().constData());
        CheckMembers(expected.record, form);
        form.UpdateData(false);
        CheckFieldsShowMembers(form);
        break;
    }
    case 1: {
        dog.Arm("the calculate button of the high-cap form");
        qobject_cast<QAbstractButton*>(form.GetDlgItem(IDC_CALC_MAX_FORCES))->click();
        dog.Disarm();
        // The read's message first, if any; then at most a refusal or a list of
        // undefined results.
        if (!expected.ok && (boxes.shown.empty() || boxes.shown.front() != expected.message))
            Fail("calculate: the read's message \"%s\" was not shown first", expected.message.toUtf8().constData());
        if (boxes.shown.size() > (expected.ok ? 1 : 2))
            Fail("calculate showed %d messages", static_cast<int>(boxes.shown.size()));
        CheckFieldsShowMembers(form);
        (void)form.grab(); // paints the depth plot from the series just computed
        break;
    }
    default: {
        dog.Arm("\"OK\" of the high-cap form");
        qobject_cast<QAbstractButton*>(form.GetDlgItem(IDOK))->click();
        dog.Disarm();
        if ((form.result() == IDOK) != expected.ok)
            Fail("\"OK\" with a read that %s ended the form with %d", expected.ok ? "passes" : "fails", form.result());
        if (boxes.shown.size() != (expected.ok ? 0 : 1))
            Fail("\"OK\" showed %d messages", static_cast<int>(boxes.shown.size()));
        CheckMembers(expected.record, form);
        break;
    }
    }
    return 0;
}
