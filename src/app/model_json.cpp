// The model as JSON, for scripts and checks.
#include "app/model_json.h"

#include <functional>

#include "app/json_text.h"
#include "app/level_json.h"
#include "model/number_text.h"
#include "reader/startup_texts.h"

namespace fp {
namespace {

// Writes `count` elements of a JSON list, each by `element(i)` for i = 1 .. count.
void writeList(std::ostream& out, int count, const std::function<void(int)>& element) {
    out << "[";
    for (int i = 1; i <= count; ++i) {
        if (i > 1) {
            out << ", ";
        }
        element(i);
    }
    out << "]";
}

template <int Capacity>
void writeValues(std::ostream& out, const ValueList<Capacity>& list) {
    writeList(out, list.count(), [&](int i) { out << jsonNumberText(list[i]); });
}

void writeTexts(std::ostream& out, const std::vector<std::string>& texts) {
    writeList(out, static_cast<int>(texts.size()),
              [&](int i) { out << jsonString(texts[static_cast<std::size_t>(i - 1)]); });
}

void writeFloorLoad(std::ostream& out, const FloorLoadRow& row) {
    out << "{\"caseTitle\": " << jsonString(row.CaseTitle)
        << ", \"intensity\": " << jsonNumberText(row.Intensity)
        << ", \"y1\": " << jsonNumberText(row.Y1) << ", \"y2\": " << jsonNumberText(row.Y2)
        << ", \"x1\": " << jsonNumberText(row.X1) << ", \"x2\": " << jsonNumberText(row.X2)
        << ", \"z1\": " << jsonNumberText(row.Z1) << ", \"z2\": " << jsonNumberText(row.Z2) << "}";
}

void writeLevel(std::ostream& out, ModelStore& model, int level) {
    out << "{\"index\": " << level
        << ", \"caption\": " << jsonString(LevelCaption(model, level, '.')) << ", \"beams\": ";
    writeLevelBeams(out, model, level);
    out << ", \"panels\": ";
    writeLevelPanels(out, model, level);
    out << "}";
}

}  // namespace

void writeModelJson(std::ostream& out, ModelStore& model, const std::string& listing,
                    const std::vector<std::string>& messages) {
    out << "{\n  \"listing\": " << jsonString(listing) << ",\n  \"jointTable\": ";
    writeList(out, model.JointCount, [&](int row) {
        out << "[" << model.JointTable.at(row, 0) << ", " << model.JointTable.at(row, 1) << ", "
            << model.JointTable.at(row, 2) << ", " << model.JointTable.at(row, 3) << "]";
    });
    out << ",\n  \"memberTable\": ";
    writeList(out, model.MemberCount, [&](int row) {
        out << "[" << model.MemberTable.at(row, 0) << ", " << model.MemberTable.at(row, 1) << ", "
            << model.MemberTable.at(row, 2) << "]";
    });
    out << ",\n  \"designTable\": ";
    writeList(out, model.BeamDesignCount, [&](int row) {
        out << "[" << model.BeamDesignTable.at(row, 1) << ", " << model.BeamDesignTable.at(row, 2)
            << "]";
    });
    out << ",\n  \"floorLoads\": ";
    writeList(out, model.FloorLoadCount,
              [&](int row) { writeFloorLoad(out, model.FloorLoadTable.at(row)); });
    out << ",\n  \"floorIntensities\": ";
    writeValues(out, model.FloorIntensityList);
    out << ",\n  \"memberLoads\": ";
    writeValues(out, model.MemberLoadList);
    out << ",\n  \"gridX\": ";
    writeValues(out, model.GridX);
    out << ",\n  \"gridY\": ";
    writeValues(out, model.GridY);
    out << ",\n  \"gridZ\": ";
    writeValues(out, model.GridZ);
    out << ",\n  \"levelLabels\": ";
    writeTexts(out, LevelLabels(model));
    out << ",\n  \"intensityCaptions\": ";
    writeTexts(out, IntensityCaptions(model, '.'));
    out << ",\n  \"memberLoadCaption\": " << jsonString(MemberLoadCaption(model, '.'));
    out << ",\n  \"startLevel\": " << StartLevel(model);
    out << ",\n  \"messages\": ";
    writeTexts(out, messages);
    out << ",\n  \"levels\": [";
    for (int level = 1; level <= model.GridY.count(); ++level) {
        out << (level > 1 ? ",\n    " : "\n    ");
        writeLevel(out, model, level);
    }
    out << (model.GridY.count() > 0 ? "\n  ]\n}\n" : "]\n}\n");
}

}  // namespace fp
