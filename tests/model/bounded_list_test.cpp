// Tests of the bounded record lists: their limits, the messages that name them, record order.
#include "model/bounded_list.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "model/listing_error.h"
#include "model/records.h"

namespace fp {
namespace {

std::string messageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const ListingError& error) {
        return error.what();
    }
    return "(no error)";
}

// Fills `list` to its limit, then returns the message of adding one more.
template <typename List>
std::string messageOfOneTooMany(List& list) {
    while (list.size() < List::limit()) {
        list.add({});
    }
    return messageOf([&] { list.add({}); });
}

TEST(BoundedList, RecordsKeepTheirOrderAndCanBeChangedInPlace) {
    JointList joints("joints");
    EXPECT_TRUE(joints.empty());
    joints.add(Joint{7, 100, 0, 0});
    joints.add(Joint{3, 0, 300, 0}).z = 450;
    joints.back().number = 4;
    ASSERT_EQ(joints.size(), 2u);
    EXPECT_EQ(joints[0].number, 7);
    EXPECT_EQ(joints[1].number, 4);
    EXPECT_EQ(joints[1].z, 450);
}

TEST(BoundedList, ARecordPastTheLimitEndsTheReadingNamingTheList) {
    JointList joints("joints");
    EXPECT_EQ(messageOfOneTooMany(joints),
              "The listing has more than 9000 joints. FramePlan holds at most 9000 joints.");
    EXPECT_EQ(joints.size(), 9000u);

    MemberList members("members");
    const std::string tooManyMembers = messageOfOneTooMany(members);
    EXPECT_NE(tooManyMembers.find("9000 members"), std::string::npos) << tooManyMembers;
    DesignRowList designs("beam design blocks");
    const std::string tooManyDesigns = messageOfOneTooMany(designs);
    EXPECT_NE(tooManyDesigns.find("2500 beam design blocks"), std::string::npos) << tooManyDesigns;
    FloorLoadList loads("floor loads");
    const std::string tooManyLoads = messageOfOneTooMany(loads);
    EXPECT_NE(tooManyLoads.find("1000 floor loads"), std::string::npos) << tooManyLoads;
    EXPECT_EQ(loads.size(), 1000u);
}

}  // namespace
}  // namespace fp
