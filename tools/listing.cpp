// A whole analysis listing: banner, input echo, analysis results, design output.
#include "listing.h"

#include "analysis_results.h"
#include "design_results.h"
#include "input_echo.h"
#include "listing_writer.h"

namespace gen {
namespace {

void writeDesignPart(ListingWriter& writer, const Model& model) {
    writeDesignInput(writer, model);
    writeDesignResults(writer, model);
    writeClosing(writer);
}

}  // namespace

void writeListing(std::FILE* out, const Model& model, std::uint64_t totalBytes) {
    ListingWriter writer(out, model.title);
    writeBanner(writer, model);
    writeModelInput(writer, model);
    std::uint64_t resultsEnd = 0;
    if (totalBytes > 0) {
        ListingWriter counter(nullptr, model.title);
        writeDesignPart(counter, model);
        const std::uint64_t designBytes = counter.bytesWritten();
        resultsEnd = totalBytes > designBytes ? totalBytes - designBytes : 1;
    }
    writeAnalysisResults(writer, model, resultsEnd);
    writeDesignPart(writer, model);
}

}  // namespace gen
