#pragma once

// Shared driver of the four calculation fuzz targets: fills a record from the
// fuzzer's bytes by walking its member table, runs the calculation under a work
// bound and checks what the calculation promises its callers.

#include "CalcOutcome.h"
#include "FieldText.h"
#include "FormMembers.h"
#include "FuzzInputs.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <mutex>
#include <new>
#include <pthread.h>
#include <string>
#include <thread>
#include <vector>

using namespace korvane;

namespace fuzzcalc {

// A refusal as a trace shows it: its reason by number and its member.
inline std::string Described(const std::optional<Refusal>& r) {
    if (!r)
        return "computed";
    return "reason " + std::to_string(static_cast<int>(r->reason)) + " " + r->member;
}

[[noreturn]] inline void Fail(const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    std::fputs("\n*** calculation fuzz check failed: ", stderr);
    std::vfprintf(stderr, format, args);
    std::fputs("\n", stderr);
    va_end(args);
    std::abort();
}

// The work bound of one calculation: every run of a calculation must return within
// this much processor time of its thread (KORVANE_FUZZ_CALL_MS, default 2000 ms, far
// above the few milliseconds the calculations need under the sanitizers). Processor
// time, not wall time, so that a busy machine does not pass for a slow calculation.
// A watchdog thread aborts the process when a call overstays, so that a hang is
// reported with its input as a crash rather than waiting for the fuzzer's timeout.
class Watchdog {
public:
    static Watchdog& Instance() {
        static Watchdog* dog = new Watchdog; // never destroyed: its thread outlives main
        return *dog;
    }

    std::chrono::milliseconds Limit() const { return limit_; }

    // Processor time the calling thread has used so far.
    static std::chrono::nanoseconds ThreadTime() { return ClockTime(CLOCK_THREAD_CPUTIME_ID); }

    void Arm(const char* what) {
        std::lock_guard lock(mutex_);
        what_ = what;
        pthread_getcpuclockid(pthread_self(), &clock_);
        start_ = ClockTime(clock_);
        armed_ = true;
        wake_.notify_one();
    }

    void Disarm() {
        std::lock_guard lock(mutex_);
        armed_ = false;
    }

private:
    Watchdog() {
        if (const char* env = std::getenv("KORVANE_FUZZ_CALL_MS"); env && std::atoi(env) > 0)
            limit_ = std::chrono::milliseconds(std::atoi(env));
        std::thread([this] { Watch(); }).detach();
    }

    static std::chrono::nanoseconds ClockTime(clockid_t clock) {
        timespec t{};
        clock_gettime(clock, &t);
        return std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec);
    }

    void Watch() {
        std::unique_lock lock(mutex_);
        for (;;) {
            if (!armed_) {
                wake_.wait(lock);
                continue;
            }
            wake_.wait_for(lock, std::chrono::milliseconds(100));
            if (armed_ && ClockTime(clock_) - start_ > limit_) {
                std::fprintf(stderr,
                             "\n*** calculation fuzz check failed: %s used more than %lld ms\n",
                             what_, static_cast<long long>(limit_.count()));
                std::abort();
            }
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    bool armed_ = false;
    const char* what_ = "";
    clockid_t clock_{};
    std::chrono::nanoseconds start_{};
    std::chrono::milliseconds limit_{2000};
};

// What a target tells the driver about its calculation.
template <class Record> struct CalcTarget {
    const char* name;
    korvane::MemberTable<Record> members;
    int lists; // drop-down lists whose selection the calculation takes (1 or 2)
    CalcOutcome (*run)(Record&, int first, int second);
    // Result members (names without "m_") that the trace shows.
    std::vector<const char*> results;
    // Record members outside the table that a computation may name undefined.
    std::vector<const char*> otherResults = {};
    // Extra checks of a computed record (depth series); may be null.
    void (*checkComputed)(const Record&, const CalcOutcome&) = nullptr;
};

template <class Record> double Get(const Record& r, const korvane::MemberInfo<Record>& info) {
    if (const auto* p = std::get_if<double Record::*>(&info.member))
        return r.**p;
    return r.*std::get<int Record::*>(info.member);
}

template <class Record>
bool Changed(const Record& before, const Record& after, const korvane::MemberInfo<Record>& info) {
    if (const auto* p = std::get_if<double Record::*>(&info.member))
        return std::memcmp(&(before.**p), &(after.**p), sizeof(double)) != 0;
    const auto m = std::get<int Record::*>(info.member);
    return before.*m != after.*m;
}

// Every member that a form shows in a field is taken from the input; members
// without a control (search parameters, looked-up materials, plot bookkeeping)
// keep what the record holds, as no user can type them.
template <class Record>
void FillRecord(FuzzedDataProvider& in, Record& r, korvane::MemberTable<Record> members) {
    for (const auto& info : members) {
        if (info.kind == korvane::FieldKind::None)
            continue;
        if (const auto* p = std::get_if<double Record::*>(&info.member))
            r.** p = fuzzin::ConsumeDouble(in, r.**p);
        else {
            const auto m = std::get<int Record::*>(info.member);
            r.*m = fuzzin::ConsumeInt(in, r.*m);
        }
    }
}

inline bool Contains(const std::vector<std::string>& names, const char* name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The depth series the plot draws: finite at points 0 .. last unless named undefined.
inline void CheckSeries(const char* target, const char* name, const double* series, int last,
                        const CalcOutcome& outcome) {
    if (Contains(outcome.undefined, name))
        return;
    for (int i = 0; i <= last; ++i) {
        if (!std::isfinite(series[i]))
            Fail("%s: computed %s[%d] = %g without naming it undefined", target, name, i,
                 series[i]);
    }
}

template <class Record>
void CheckOutcome(const CalcTarget<Record>& target, const CalcOutcome& outcome,
                  const Record& before, const Record& after) {
    if (!outcome.computed()) {
        if (!outcome.undefined.empty())
            Fail("%s: a refusal names undefined results", target.name);
        if (std::memcmp(&before, &after, sizeof(Record)) != 0) {
            for (const auto& info : target.members) {
                if (Changed(before, after, info))
                    Fail("%s: refused (\"%s\") but changed %s from %.17g to %.17g", target.name,
                         Described(outcome.refusal).c_str(), info.name, Get(before, info),
                         Get(after, info));
            }
            Fail("%s: refused (\"%s\") but changed the record", target.name,
                 Described(outcome.refusal).c_str());
        }
        return;
    }
    for (const std::string& name : outcome.undefined) {
        const bool known = std::any_of(target.members.begin(), target.members.end(),
                                       [&](const auto& info) { return name == info.name; }) ||
                           std::any_of(target.otherResults.begin(), target.otherResults.end(),
                                       [&](const char* other) { return name == other; });
        if (!known)
            Fail("%s: undefined names \"%s\", which is no member", target.name, name.c_str());
    }
    // Shown members the calculation wrote. Results it leaves alone (the pile-top
    // force when no pile carries a moment) keep what the field held, typed or not.
    for (const auto& info : target.members) {
        if (info.kind == korvane::FieldKind::None || !Changed(before, after, info))
            continue;
        const double v = Get(after, info);
        if (!Contains(outcome.undefined, info.name) && !std::isfinite(v))
            Fail("%s: computed, but shows %s = %.17g without naming it undefined", target.name,
                 info.name, v);
        // Whatever a calculation writes into a field must read back on the next
        // calculation; a number rounding past the double range would not.
        if (std::isfinite(v) && !ParseNumber(FormatNumber(v)))
            Fail("%s: computed %s = %.17g, shown as \"%s\", which the field refuses", target.name,
                 info.name, v, FormatNumber(v).c_str());
    }
    if (target.checkComputed)
        target.checkComputed(after, outcome);
}

template <class Record> class RecordSlot {
public:
    RecordSlot() { std::memset(storage_, 0, sizeof storage_); }
    Record& Fresh() {
        std::memset(storage_, 0, sizeof storage_);
        return *new (storage_) Record; // trivially destructible: plain doubles and ints
    }

private:
    alignas(Record) unsigned char storage_[sizeof(Record)];
};

template <class Record>
CalcOutcome TimedRun(const CalcTarget<Record>& target, Record& r, int first, int second) {
    Watchdog& dog = Watchdog::Instance();
    const auto start = Watchdog::ThreadTime();
    dog.Arm(target.name);
    CalcOutcome outcome = target.run(r, first, second);
    dog.Disarm();
    const auto spent = Watchdog::ThreadTime() - start;
    if (spent > dog.Limit())
        Fail("%s took %lld ms, above the bound of %lld ms", target.name,
             static_cast<long long>(
                 std::chrono::duration_cast<std::chrono::milliseconds>(spent).count()),
             static_cast<long long>(dog.Limit().count()));
    return outcome;
}

// The inputs that differ from the form's defaults, as NAME=VALUE (17 digits), so a
// finding can be replayed by hand or with the calculator command.
template <class Record>
void DumpInputs(const CalcTarget<Record>& target, const Record& r, int first, int second) {
    static RecordSlot<Record> defaultsSlot;
    const Record& defaults = defaultsSlot.Fresh();
    std::fprintf(stderr, "%s inputs: list=%d", target.name, first);
    if (target.lists > 1)
        std::fprintf(stderr, " list2=%d", second);
    for (const auto& info : target.members) {
        if (info.kind != korvane::FieldKind::None && Changed(defaults, r, info))
            std::fprintf(stderr, " %s=%.17g", info.name, Get(r, info));
    }
    std::fputs("\n", stderr);
}

// KORVANE_FUZZ_TRACE=1: one line per run on stderr, to see what a corpus exercises.
template <class Record>
void Trace(const CalcTarget<Record>& target, const Record& r, int first, int second,
           const CalcOutcome& outcome) {
    std::fprintf(stderr, "%s [%d %d]: ", target.name, first, second);
    if (!outcome.computed()) {
        std::fprintf(stderr, "refused: %s\n", Described(outcome.refusal).c_str());
        return;
    }
    for (const char* name : target.results) {
        for (const auto& info : target.members) {
            if (std::strcmp(info.name, name) == 0)
                std::fprintf(stderr, "%s=%s ", name, FormatNumber(Get(r, info)).c_str());
        }
    }
    for (const std::string& name : outcome.undefined)
        std::fprintf(stderr, "undefined:%s ", name.c_str());
    std::fputs("\n", stderr);
}

// Layout: options byte (1 modulo 8: press calculate a second time), one value per
// drop-down list (current selection -1, none), then the members with controls in
// table order.
template <class Record>
int RunOne(const CalcTarget<Record>& target, const std::uint8_t* data, std::size_t size) {
    static RecordSlot<Record> slot, snapshot;
    FuzzedDataProvider in(data, size);
    const std::uint8_t options = in.ConsumeIntegral<std::uint8_t>();
    const int first = fuzzin::ConsumeInt(in, -1);
    const int second = target.lists > 1 ? fuzzin::ConsumeInt(in, -1) : -1;

    Record& r = slot.Fresh();
    FillRecord(in, r, target.members);

    Record& before = snapshot.Fresh();
    std::memcpy(static_cast<void*>(&before), &r, sizeof(Record));
    static const bool trace = std::getenv("KORVANE_FUZZ_TRACE") != nullptr;
    if (trace)
        DumpInputs(target, r, first, second);
    const CalcOutcome outcome = TimedRun(target, r, first, second);
    CheckOutcome(target, outcome, before, r);
    if (trace)
        Trace(target, r, first, second, outcome);

    if (options % 8 == 1) {
        // The same inputs again, on the record the first press left: the same
        // outcome and the same record.
        std::memcpy(static_cast<void*>(&before), &r, sizeof(Record));
        const CalcOutcome again = TimedRun(target, r, first, second);
        CheckOutcome(target, again, before, r);
        if (again.refusal != outcome.refusal || again.undefined != outcome.undefined)
            Fail("%s: a second press with the same inputs gave another outcome (\"%s\" / \"%s\")",
                 target.name, Described(outcome.refusal).c_str(), Described(again.refusal).c_str());
        if (std::memcmp(&before, &r, sizeof(Record)) != 0) {
            for (const auto& info : target.members) {
                if (Changed(before, r, info))
                    Fail("%s: a second press with the same inputs changed %s from %.17g to %.17g",
                         target.name, info.name, Get(before, info), Get(r, info));
            }
            Fail("%s: a second press with the same inputs changed the record", target.name);
        }
    }
    return 0;
}

} // namespace fuzzcalc
