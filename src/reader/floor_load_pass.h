// The load-case headers and the downward floor loads ("YRANGE" lines).
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "model/records.h"
#include "reader/load_case_numbers.h"
#include "reader/loads_reader.h"
#include "reader/side_by_side_pass.h"
#include "reader/unshown_loads.h"

namespace fp {

class FloorLoadPass : public SideBySidePass {
  public:
    // A YRANGE line of either form whose load no plan shows (upward, or in another direction than
    // GY) goes to `unshown`.
    FloorLoadPass(LoadCaseList& cases, FloorLoadList& loads, LoadValueList& intensities,
                  BoundedFindings<UnshownFloorLoad>& unshown, const PlanExtent& extent,
                  LoadCaseNumbers& numbers)
        : cases_(cases),
          loads_(loads),
          intensities_(intensities),
          unshown_(unshown),
          extent_(extent),
          numbers_(numbers) {}

    std::span<const std::string_view> keys() const override;
    void take(std::string_view line, TextStream& stream) override;

  private:
    using Tokens = std::vector<std::string_view>;

    // `lineNumber` is the line's number in the listing.
    void readRangeLine(const Tokens& tokens, long lineNumber);
    void readHeader(std::string_view line, const Tokens& tokens, long lineNumber);

    LoadCaseList& cases_;
    FloorLoadList& loads_;
    LoadValueList& intensities_;
    BoundedFindings<UnshownFloorLoad>& unshown_;
    PlanExtent extent_;
    LoadCaseNumbers& numbers_;
    // Token 2 of the latest load-case header: the load case of the floor loads that follow.
    CaseNumber caseNumber_;
    // The numbers of cases_, so that a listing of thousands of cases is not searched once for
    // each of its headers. The views are of the numbers' own shared texts.
    std::unordered_set<std::string_view> known_;
    bool floorLoadSeen_ = false;
};

}  // namespace fp
