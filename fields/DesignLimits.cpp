#include "DesignLimits.h"

#include "FieldText.h"

#include <array>
#include <cmath>

namespace korvane {

namespace {

const LimitInfo kRequiredFactor{"ks", "要求安全系数 [K]", ""};
const LimitInfo kPileCapacity{"Ra", "单桩竖向承载力特征值 Ra", "kN"};
const LimitInfo kGroundDisplacement{"x0", "允许水平位移 [x0]", "mm"};
const LimitInfo kPileMoment{"M", "桩身允许弯矩 [M]", "kN·m"};
const LimitInfo kPileShear{"Q", "桩身允许剪力 [Q]", "kN"};

constexpr std::array kPresets = {
    LimitPreset{"ks", 1.20, "GB 50007-2011 第5.4.1条"},
    LimitPreset{"ks", 1.35, "GB 50330-2013 表5.3.2（永久边坡，一般工况，一级）"},
    LimitPreset{"ks", 1.30, "GB 50330-2013 表5.3.2（永久边坡，一般工况，二级）"},
    LimitPreset{"ks", 1.25, "GB 50330-2013 表5.3.2（永久边坡，一般工况，三级）"},
    LimitPreset{"ks", 1.15, "GB 50330-2013 表5.3.2（永久边坡，地震工况，一级）"},
    LimitPreset{"ks", 1.10, "GB 50330-2013 表5.3.2（永久边坡，地震工况，二级）"},
    LimitPreset{"ks", 1.05, "GB 50330-2013 表5.3.2（永久边坡，地震工况，三级）"},
    LimitPreset{"ks", 1.25, "GB 50330-2013 表5.3.2（临时边坡，一级）"},
    LimitPreset{"ks", 1.20, "GB 50330-2013 表5.3.2（临时边坡，二级）"},
    LimitPreset{"ks", 1.15, "GB 50330-2013 表5.3.2（临时边坡，三级）"},
    LimitPreset{"Ra", 0, "JGJ 94-2008 第5.2.1条"},
    LimitPreset{"x0", 10, "JGJ 94-2008 第5.7.2条（对水平位移不敏感的建筑物）"},
    LimitPreset{"x0", 6, "JGJ 94-2008 第5.7.2条（对水平位移敏感的建筑物）"},
};

} // namespace

std::vector<const LimitInfo*> LimitsOf(std::string_view calculator) {
    if (calculator == "circular" || calculator == "polyline")
        return {&kRequiredFactor};
    if (calculator == "combined")
        return {&kPileCapacity, &kGroundDisplacement};
    if (calculator == "highcap")
        return {&kPileCapacity, &kGroundDisplacement, &kPileMoment, &kPileShear};
    return {};
}

const LimitInfo* FindLimit(std::string_view calculator, std::string_view name) {
    for (const LimitInfo* limit : LimitsOf(calculator)) {
        if (name == limit->name)
            return limit;
    }
    return nullptr;
}

std::span<const LimitPreset> LimitPresets() {
    return kPresets;
}

Problem ReadLimitValue(const LimitInfo& limit, std::string_view text, double& value) {
    const std::optional<double> read = ParseNumber(text);
    if (!read)
        return Problem(std::string(limit.label) + "：" + FieldMessage(IDS_ENTER_NUMBER));
    if (!(*read > 0) || !std::isfinite(*read))
        return Problem(std::string(limit.label) + "须为大于 0 的数。");
    value = *read;
    return {};
}

} // namespace korvane
