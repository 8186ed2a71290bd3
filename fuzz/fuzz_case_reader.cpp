// Any bytes as a case file: either a case or a message, never a crash or a hang; and a
// case that is read writes back to a document that reads as the same case.

#include "CaseFile.h"

#include <cstdint>
#include <cstdlib>

using namespace korvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    CaseData a;
    const Problem problem = ReadCaseJson(bytes, a);
    if (problem) {
        if (problem.Message().empty())
            std::abort(); // a refusal must say why
        return 0;
    }
    CaseData b;
    if (ReadCaseJson(CaseJson(a, "fuzz"), b))
        std::abort();
    if (a.calculator != b.calculator || a.inputs != b.inputs || a.selections != b.selections ||
        a.calculated != b.calculated || a.results != b.results || a.study != b.study ||
        a.limits.size() != b.limits.size())
        std::abort();
    for (const auto& [name, limit] : a.limits) {
        const auto again = b.limits.find(name);
        if (again == b.limits.end() || again->second.value != limit.value ||
            again->second.basis != limit.basis)
            std::abort();
    }
    return 0;
}
