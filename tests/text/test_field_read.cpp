// The one reading of a field's text into a member, and the member tables it reads by.
#include "FieldRead.h"
#include "FormMembers.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

using namespace korvane;

using korvane::FieldKind;
using korvane::FieldRange;
using korvane::MemberRole;
using korvane::ReadField;

TEST(ReadField, RefusedTextLeavesTheMemberAsItWas) {
    double value = 6.0;
    EXPECT_EQ(ReadField("6m", value).Message(), "请键入一个数。");
    EXPECT_EQ(ReadField("1e999", value).Message(), "请键入一个数。");
    EXPECT_EQ(value, 6.0);
    int count = 9;
    EXPECT_EQ(ReadField("12.5", count).Message(), "请键入一个整数。");
    EXPECT_EQ(count, 9);
}

TEST(ReadField, AssignsThenChecksTheRangeAndKeepsAValueOutOfIt) {
    double l0 = 2.0;
    EXPECT_EQ(ReadField(" 20 ", l0, FieldRange{0.0, 20.0}).Message(), "");
    EXPECT_EQ(l0, 20.0);
    EXPECT_EQ(ReadField("25", l0, FieldRange{0.0, 20.0}).Message(),
              "“请填入一个在0和20之间的数字。”");
    EXPECT_EQ(l0, 25.0);
    int phi = 20;
    EXPECT_EQ(ReadField("46", phi, FieldRange{0, 45}).Message(), "“请填入一个在0和45之间的整数。”");
    EXPECT_EQ(phi, 46);
    EXPECT_EQ(ReadField("99999999999", phi).Message(), "");
    EXPECT_EQ(phi, 2147483647);
}

TEST(ReadMember, ReadsByTheRowsTypeAndRange) {
    HighCapRecord r;
    const auto rows = korvane::HighCapMembers();
    const auto* nx = korvane::FindMemberNamed(rows, "nx");
    const auto* xiN = korvane::FindMemberNamed(rows, "xiN");
    ASSERT_TRUE(nx && xiN);
    EXPECT_EQ(korvane::ReadMember(r, *nx, "3.5").Message(), "请键入一个整数。");
    EXPECT_EQ(korvane::ReadMember(r, *nx, "12").Message(), "");
    EXPECT_EQ(r.m_nx, 12);
    EXPECT_EQ(korvane::ReadMember(r, *xiN, "1.01").Message(), "“请填入一个在0.5和1之间的数字。”");
    EXPECT_EQ(r.m_xiN, 1.01);
}

template <class Record> void CheckTable(korvane::MemberTable<Record> rows) {
    std::set<std::string> names;
    for (const auto& info : rows) {
        const std::string label = info.caption;
        SCOPED_TRACE(info.name);
        EXPECT_TRUE(names.insert(info.name).second) << "named twice";
        EXPECT_FALSE(label.empty());
        EXPECT_NE(label.back(), ':');
        EXPECT_FALSE(label.ends_with("："));
        // Internal members, and only they, have no control.
        const bool internal = info.role == MemberRole::Internal;
        EXPECT_EQ(internal, info.kind == FieldKind::None);
        EXPECT_EQ(internal, info.control.id == 0);
        const bool whole = std::holds_alternative<int Record::*>(info.member);
        EXPECT_EQ(whole, info.kind == FieldKind::WholeNumber || info.kind == FieldKind::Radio ||
                             (info.kind == FieldKind::None && whole));
        // Only what the user enters is range-checked or chosen; a radio group says what
        // each of its buttons means, and no other row has positions.
        EXPECT_TRUE(info.role == MemberRole::Input ||
                    (!info.range && info.kind != FieldKind::Radio));
        EXPECT_EQ(info.kind == FieldKind::Radio, info.RadioButtons() >= 2);
    }
}

TEST(MemberTables, RowsAgreeWithThemselves) {
    CheckTable(korvane::CircularSlipMembers());
    CheckTable(korvane::PolylineSlipMembers());
    CheckTable(korvane::CombinedActionMembers());
    CheckTable(korvane::HighCapMembers());
}
