// Pass 2 of the reader: load-case headers and the downward floor loads ("YRANGE" lines).
#pragma once

#include <string>

#include "model/model_store.h"
#include "reader/side_by_side_pass.h"

namespace fp {

class FloorLoadPass : public SideBySidePass {
  public:
    explicit FloorLoadPass(ModelStore& model) : model_(model) {}

    std::span<const std::string_view> keys() const override;
    void take(std::string_view line, TextStream& stream) override;

  private:
    ModelStore& model_;
    // Token 2 of the latest load-case header: the title of the floor loads that follow.
    std::string title_;
    bool floorLoadSeen_ = false;
};

}  // namespace fp
