// A listing document as JSON.
#include "cli/document_json.h"

#include <functional>

#include "document/startup_texts.h"
#include "model/number_text.h"
#include "output/json_text.h"
#include "plan/panel_labels.h"
#include "plan/plan_view.h"

namespace fp {
namespace {

// Writes a JSON list of `count` elements, each by `element(i)` for i = 0 .. count - 1.
void writeList(std::ostream& out, std::size_t count,
               const std::function<void(std::size_t)>& element) {
    out << "[";
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) {
            out << ", ";
        }
        element(i);
    }
    out << "]";
}

template <typename Values>
void writeValues(std::ostream& out, const Values& values) {
    writeList(out, values.size(), [&](std::size_t i) { out << jsonNumberText(values[i]); });
}

void writeTexts(std::ostream& out, const std::vector<std::string>& texts) {
    writeList(out, texts.size(), [&](std::size_t i) { out << jsonString(texts[i]); });
}

void writeFloorLoad(std::ostream& out, const FloorLoad& load) {
    out << "{\"caseTitle\": " << jsonString(load.caseNumber)
        << ", \"intensity\": " << jsonNumberText(load.intensity)
        << ", \"y1\": " << jsonNumberText(load.y1) << ", \"y2\": " << jsonNumberText(load.y2)
        << ", \"x1\": " << jsonNumberText(load.x1) << ", \"x2\": " << jsonNumberText(load.x2)
        << ", \"z1\": " << jsonNumberText(load.z1) << ", \"z2\": " << jsonNumberText(load.z2)
        << "}";
}

void writeLevelBeams(std::ostream& out, const std::vector<LevelBeam>& beams) {
    writeList(out, beams.size(), [&](std::size_t i) {
        const LevelBeam& beam = beams[i];
        out << "{\"serial\": " << i + 1 << ", \"dir\": \""
            << (beam.direction == BeamDirection::PlusX ? "X" : "Z")
            << "\", \"row\": " << beam.designRow << ", \"member\": " << beam.member
            << ", \"length\": " << beam.lengthMm << ", \"x\": " << jsonNumberText(beam.x)
            << ", \"z\": " << jsonNumberText(beam.z) << "}";
    });
}

void writeLoads(std::ostream& out, const std::vector<ActingLoad>& loads) {
    writeList(out, loads.size(), [&](std::size_t i) {
        out << "{\"intensity\": " << jsonNumberText(loads[i].intensity)
            << ", \"caseTitle\": " << jsonString(loads[i].caseNumber) << "}";
    });
}

void writeLevelPanels(std::ostream& out, const std::vector<LevelPanel>& panels,
                      const PlanView& startUp) {
    writeList(out, panels.size(), [&](std::size_t i) {
        const LevelPanel& panel = panels[i];
        // A panel no load acts on has no spans of its own loads: they read 0, as read.
        const bool loaded = !panel.loads.empty();
        out << "{\"ix\": " << panel.lines.ix << ", \"iz\": " << panel.lines.iz
            << ", \"ix2\": " << panel.lines.ix2 << ", \"iz2\": " << panel.lines.iz2
            << ", \"spanX\": " << jsonNumberText(loaded ? panel.bounds.spanX() : 0)
            << ", \"spanZ\": " << jsonNumberText(loaded ? panel.bounds.spanZ() : 0)
            << ", \"loads\": ";
        writeLoads(out, panel.loads);
        out << ", \"lines\": ";
        writeTexts(out, panelLabelLines(panel, startUp));
        out << "}";
    });
}

// A level past a drawing limit has the limit's message in place of its beams and panels.
void writeLevel(std::ostream& out, const ListingDocument& document, int level,
                const PlanView& startUp) {
    out << "{\"index\": " << level
        << ", \"caption\": " << jsonString(levelCaption(document, level, '.'));
    const LevelModel& model = document.level(level);
    if (const auto& limit = model.limitError()) {
        out << ", \"limit\": " << jsonString(limit->message()) << "}";
        return;
    }
    out << ", \"beams\": ";
    writeLevelBeams(out, model.beams);
    out << ", \"panels\": ";
    writeLevelPanels(out, model.panels, startUp);
    out << "}";
}

}  // namespace

void writeDocumentJson(std::ostream& out, const ListingDocument& document,
                       const std::vector<ListingMessage>& messages) {
    out << "{\n  \"listing\": " << jsonString(document.name) << ",\n  \"jointTable\": ";
    writeList(out, document.joints.size(), [&](std::size_t i) {
        const Joint& joint = document.joints[i];
        out << "[" << joint.number << ", " << joint.x << ", " << joint.y << ", " << joint.z << "]";
    });
    out << ",\n  \"memberTable\": ";
    writeList(out, document.members.size(), [&](std::size_t i) {
        const Member& member = document.members[i];
        out << "[" << member.number << ", " << member.start << ", " << member.end << "]";
    });
    out << ",\n  \"designTable\": ";
    writeList(out, document.designRows.size(), [&](std::size_t i) {
        out << "[" << document.designRows[i].member << ", " << document.designRows[i].lengthMm
            << "]";
    });
    out << ",\n  \"floorLoads\": ";
    writeList(out, document.floorLoads.size(),
              [&](std::size_t i) { writeFloorLoad(out, document.floorLoads[i]); });
    out << ",\n  \"floorIntensities\": ";
    writeValues(out, document.floorIntensities);
    out << ",\n  \"memberLoads\": ";
    writeValues(out, document.memberLoadValues);
    out << ",\n  \"memberLoadTable\": ";
    writeList(out, document.memberLoadsByMember.size(), [&](std::size_t i) {
        const MemberLoad& load = document.memberLoadsByMember[i];
        out << "{\"member\": " << load.member << ", \"caseTitle\": " << jsonString(load.caseNumber)
            << ", \"value\": " << jsonNumberText(load.value) << ", \"line\": " << load.line << "}";
    });
    out << ",\n  \"loadCases\": ";
    writeList(out, document.loadCases.size(), [&](std::size_t i) {
        const LoadCase& loadCase = document.loadCases[i];
        out << "{\"number\": " << jsonString(loadCase.number)
            << ", \"type\": " << jsonString(loadCase.type)
            << ", \"title\": " << jsonString(loadCase.title) << "}";
    });
    out << ",\n  \"gridX\": ";
    writeValues(out, document.grid.x.values());
    out << ",\n  \"gridY\": ";
    writeValues(out, document.grid.y.values());
    out << ",\n  \"gridZ\": ";
    writeValues(out, document.grid.z.values());
    out << ",\n  \"levelLabels\": ";
    writeTexts(out, levelLabels(document));
    out << ",\n  \"intensityCaptions\": ";
    writeTexts(out, intensityCaptions(document, '.'));
    out << ",\n  \"memberLoadCaption\": " << jsonString(memberLoadCaption(document, '.'));
    out << ",\n  \"startLevel\": " << startLevel(document);
    out << ",\n  \"messages\": ";
    writeList(out, messages.size(), [&](std::size_t i) {
        out << "{\"line\": " << messages[i].line << ", \"text\": " << jsonString(messages[i].text)
            << "}";
    });
    out << ",\n  \"levels\": [";
    const PlanView startUp = startUpView(document);
    for (int level = 1; level <= document.levelCount(); ++level) {
        out << (level > 1 ? ",\n    " : "\n    ");
        writeLevel(out, document, level, startUp);
    }
    out << (document.levelCount() > 0 ? "\n  ]\n}\n" : "]\n}\n");
}

}  // namespace fp
