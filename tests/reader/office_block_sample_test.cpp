// Tests that the bundled office-block listing reads completely and describes its building.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "listing_fixture.h"
#include "model/model_store.h"
#include "reader/listing_reader.h"

namespace fp {
namespace {

std::string samplePath() {
    return (std::filesystem::path(__FILE__).parent_path() / "../../samples/office-block.anl")
        .lexically_normal()
        .string();
}

class OfficeBlockSample : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::RecordingServices services(samplePath());
        ListingReading reading;
        ReadListing(*model, services, reading);
        messages = services.messages();
    }

    // The row of `JointTable` holding joint `number`, 0 when none.
    int jointRow(int number) const {
        for (int row = 1; row <= model->JointCount; ++row) {
            if (model->JointTable.at(row, 0) == number) {
                return row;
            }
        }
        return 0;
    }

    // The row of `MemberTable` holding member `number`, 0 when none.
    int memberRow(int number) const {
        for (int row = 1; row <= model->MemberCount; ++row) {
            if (model->MemberTable.at(row, 0) == number) {
                return row;
            }
        }
        return 0;
    }

    std::unique_ptr<ModelStore> model = makeModelStore();
    std::vector<std::string> messages;
};

TEST_F(OfficeBlockSample, ReadsEveryTableWithoutAMessage) {
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(model->JointCount, 162);
    EXPECT_EQ(model->MemberCount, 334);
    EXPECT_EQ(model->BeamDesignCount, 214);
    EXPECT_EQ(model->FloorLoadCount, 30);
    EXPECT_EQ(model->GridX.count(), 6);
    EXPECT_EQ(model->GridY.count(), 7);
    EXPECT_EQ(model->GridZ.count(), 5);
    EXPECT_EQ(model->FloorIntensityList.count(), 7);
    EXPECT_EQ(model->MemberLoadList.count(), 5);
}

TEST_F(OfficeBlockSample, LoadsComeFromBothLoadCasesAndBothLineForms) {
    const FloorLoadRow& first = model->FloorLoadTable.at(1);
    EXPECT_EQ(first.CaseTitle, "1");
    EXPECT_FLOAT_EQ(first.Intensity, 4.5f);
    EXPECT_FLOAT_EQ(first.Z2, 16.0f);
    const FloorLoadRow& roof = model->FloorLoadTable.at(11);
    EXPECT_FLOAT_EQ(roof.Y1, 22.1f);
    EXPECT_FLOAT_EQ(roof.X1, -0.01f);
    EXPECT_FLOAT_EQ(roof.Z2, 17.81f);
    EXPECT_EQ(model->FloorLoadTable.at(30).CaseTitle, "2");
}

TEST_F(OfficeBlockSample, DesignLengthsAreTheBeamsLengthsInMillimetres) {
    for (int row = 1; row <= model->BeamDesignCount; ++row) {
        const int member = memberRow(model->BeamDesignTable.at(row, 1));
        ASSERT_GT(member, 0) << "design row " << row;
        const int start = jointRow(model->MemberTable.at(member, 1));
        const int end = jointRow(model->MemberTable.at(member, 2));
        double squared = 0;
        for (int axis = 1; axis <= 3; ++axis) {
            const double d = model->JointTable.at(end, axis) - model->JointTable.at(start, axis);
            squared += d * d;
        }
        EXPECT_EQ(model->BeamDesignTable.at(row, 2), std::lround(std::sqrt(squared) * 10))
            << "design row " << row;
    }
}

TEST_F(OfficeBlockSample, CantileverWrittenFromItsTipRunsOutwards) {
    const int row = memberRow(133);
    ASSERT_GT(row, 0);
    EXPECT_EQ(model->MemberTable.at(row, 1), 119);
    EXPECT_EQ(model->MemberTable.at(row, 2), 123);
}

}  // namespace
}  // namespace fp
