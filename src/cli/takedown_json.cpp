// The takedown for scripts.
#include "cli/takedown_json.h"

#include <functional>

#include "model/number_text.h"
#include "output/json_text.h"
#include "takedown/takedown_rows.h"

namespace fp {
namespace {

std::string metresJson(float hundredths) {
    return jsonNumberText(static_cast<float>(metres(hundredths)));
}

template <typename Item>
void writeList(std::ostream& out, const std::vector<Item>& items, const char* indent,
               const std::function<void(const Item&)>& writeItem) {
    out << "[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        out << (i > 0 ? ",\n" : "\n") << indent;
        writeItem(items[i]);
    }
    out << "]";
}

// «"case": "1"» or «"combination": "4"».
std::string choiceKey(const LoadCases& cases, const LoadChoice& choice) {
    return choice.kind == LoadChoice::Kind::Case
               ? "\"case\": " + jsonString(cases.cases[choice.index])
               : "\"combination\": " + jsonString(cases.combinations[choice.index].number);
}

// [{"case": "1", "added": 60.3, "below": 60.3}, ...]: named values for every choice.
void writeLoads(std::ostream& out, const LoadCases& cases, const std::vector<LoadChoice>& choices,
                const std::vector<std::pair<const char*, const std::vector<double>*>>& values) {
    out << "[";
    for (std::size_t i = 0; i < choices.size(); ++i) {
        out << (i > 0 ? ", " : "") << "{" << choiceKey(cases, choices[i]);
        for (const auto& [name, list] : values) {
            out << ", \"" << name << "\": " << amountJson((*list)[i]);
        }
        out << "}";
    }
    out << "]";
}

void writeEquilibrium(std::ostream& out, const Takedown& takedown, const LoadChoice& choice) {
    const LoadCases& cases = takedown.cases;
    const Equilibrium& balance = takedown.equilibrium;
    const double floor = cases.valueOf(choice, balance.floor);
    const double member = cases.valueOf(choice, balance.member);
    out << "{\"applied\": " << amountJson(floor + member) << ", \"floor\": " << amountJson(floor)
        << ", \"member\": " << amountJson(member)
        << ", \"bases\": " << amountJson(cases.valueOf(choice, balance.bases))
        << ", \"unsupported\": " << amountJson(cases.valueOf(choice, balance.unsupported));
    if (choice.kind == LoadChoice::Kind::Case) {
        out << ", \"floorLoadsMissed\": [";
        const std::vector<long>& lines = balance.floorLoadsMissed[choice.index];
        for (std::size_t i = 0; i < lines.size(); ++i) {
            out << (i > 0 ? ", " : "") << lines[i];
        }
        out << "]";
    }
    out << "}";
}

void writeChoices(std::ostream& out, const ListingDocument& document, const Takedown& takedown,
                  const std::vector<LoadChoice>& choices) {
    const LoadCases& cases = takedown.cases;
    std::vector<LoadChoice> caseChoices;
    std::vector<LoadChoice> combinationChoices;
    for (const LoadChoice& choice : choices) {
        (choice.kind == LoadChoice::Kind::Case ? caseChoices : combinationChoices)
            .push_back(choice);
    }
    out << " \"cases\": ";
    writeList<LoadChoice>(out, caseChoices, "  ", [&](const LoadChoice& choice) {
        const std::string& number = cases.cases[choice.index];
        const LoadCase* header = document.loadCase(number);
        out << "{" << choiceKey(cases, choice)
            << ", \"title\": " << (header != nullptr ? jsonString(header->title) : "null")
            << ", \"equilibrium\": ";
        writeEquilibrium(out, takedown, choice);
        out << "}";
    });
    out << ",\n \"combinations\": ";
    writeList<LoadChoice>(out, combinationChoices, "  ", [&](const LoadChoice& choice) {
        const Combination& combination = cases.combinations[choice.index];
        out << "{" << choiceKey(cases, choice) << ", \"title\": " << jsonString(combination.title)
            << ", \"line\": " << combination.line << ", \"factors\": [";
        for (std::size_t i = 0; i < combination.terms.size(); ++i) {
            out << (i > 0 ? ", " : "")
                << "{\"case\": " << jsonString(cases.cases[combination.terms[i].caseIndex])
                << ", \"factor\": " << amountJson(combination.terms[i].factor) << "}";
        }
        out << "], \"casesWithoutLoads\": [";
        for (std::size_t i = 0; i < combination.casesWithoutLoads.size(); ++i) {
            out << (i > 0 ? ", " : "") << jsonString(combination.casesWithoutLoads[i]);
        }
        out << "],\n   \"equilibrium\": ";
        writeEquilibrium(out, takedown, choice);
        out << "}";
    });
}

const char* endName(StackEnd end) {
    switch (end) {
        case StackEnd::OnBeams:
            return "on-beams";
        case StackEnd::Unsupported:
            return "unsupported";
        case StackEnd::Base:
            break;
    }
    return "base";
}

const char* unsupportedName(UnsupportedKind kind) {
    switch (kind) {
        case UnsupportedKind::BeamEnd:
            return "beam-end";
        case UnsupportedKind::PanelSide:
            return "panel-side";
        case UnsupportedKind::Joint:
            break;
    }
    return "joint";
}

void writeStacks(std::ostream& out, const Takedown& takedown,
                 const std::vector<LoadChoice>& choices, int onlyLevel) {
    std::vector<const ColumnStack*> shown;
    for (const ColumnStack& stack : takedown.stacks) {
        if (!stackRows(takedown, stack, choices, onlyLevel).empty()) {
            shown.push_back(&stack);
        }
    }
    out << ",\n \"stacks\": ";
    writeList<const ColumnStack*>(out, shown, "  ", [&](const ColumnStack* stack) {
        out << "{\"name\": " << jsonString(stack->name) << ", \"x\": " << metresJson(stack->at.x)
            << ", \"z\": " << metresJson(stack->at.z) << ", \"end\": \"" << endName(stack->end)
            << "\", \"endHeight\": "
            << metresJson(takedown.levels[static_cast<std::size_t>(stack->endLevel - 1)].height)
            << ",\n   \"levels\": ";
        writeList<ColumnRow>(out, stackRows(takedown, *stack, choices, onlyLevel), "    ",
                             [&](const ColumnRow& row) {
                                 out << "{\"level\": " << row.level
                                     << ", \"height\": " << metresJson(row.height)
                                     << ", \"member\": " << row.member << ", \"loads\": ";
                                 writeLoads(out, takedown.cases, choices,
                                            {{"added", &row.added}, {"below", &row.below}});
                                 out << ", \"remark\": " << jsonString(row.remark) << "}";
                             });
        out << "}";
    });
}

void writeLevels(std::ostream& out, const Takedown& takedown,
                 const std::vector<LoadChoice>& choices, int onlyLevel) {
    out << ",\n \"levels\": ";
    writeList<LevelRow>(
        out, levelRows(takedown, choices, onlyLevel), "  ", [&](const LevelRow& row) {
            out << "{\"level\": " << row.level << ", \"height\": " << metresJson(row.height)
                << ", \"loads\": ";
            writeLoads(out, takedown.cases, choices,
                       {{"applied", &row.applied},
                        {"columnsBelow", &row.columnsBelow},
                        {"unsupported", &row.unsupported}});
            out << ", \"leftOut\": " << (row.leftOut.empty() ? "null" : jsonString(row.leftOut))
                << "}";
        });
}

void writeUnsupported(std::ostream& out, const ListingDocument& document, const Takedown& takedown,
                      const std::vector<LoadChoice>& choices, int onlyLevel) {
    std::vector<const UnsupportedLoad*> shown;
    for (const UnsupportedLoad& lost : takedown.unsupported) {
        if (onlyLevel == 0 || lost.level == onlyLevel) {
            shown.push_back(&lost);
        }
    }
    out << ",\n \"unsupported\": ";
    writeList<const UnsupportedLoad*>(out, shown, "  ", [&](const UnsupportedLoad* lost) {
        const std::vector<double> kN = valuesOf(takedown.cases, choices, lost->byCase);
        out << "{\"kind\": \"" << unsupportedName(lost->kind) << "\", \"level\": " << lost->level
            << ", \"height\": " << metresJson(document.levelHeight(lost->level))
            << ", \"x\": " << metresJson(lost->at.x) << ", \"z\": " << metresJson(lost->at.z)
            << ", \"x2\": " << metresJson(lost->to.x) << ", \"z2\": " << metresJson(lost->to.z)
            << ", \"joint\": " << (lost->joint != 0 ? std::to_string(lost->joint) : "null")
            << ", \"member\": " << (lost->member != 0 ? std::to_string(lost->member) : "null")
            << ",\n   \"loads\": ";
        writeLoads(out, takedown.cases, choices, {{"kN", &kN}});
        out << ", \"text\": " << jsonString(lost->why) << "}";
    });
}

}  // namespace

void writeTakedownJson(std::ostream& out, const ListingDocument& document, const Takedown& takedown,
                       const std::vector<LoadChoice>& choices, int onlyLevel) {
    out << "{\"schema\": \"frameplan-takedown 1\", \"listing\": " << jsonString(document.name)
        << ", \"selfWeight\": false"
        << ", \"oneWayRatio\": " << amountJson(takedown.oneWayRatio)
        << ", \"hasColumns\": " << (takedown.hasColumns ? "true" : "false") << ",\n";
    writeChoices(out, document, takedown, choices);
    writeStacks(out, takedown, choices, onlyLevel);
    writeLevels(out, takedown, choices, onlyLevel);
    writeUnsupported(out, document, takedown, choices, onlyLevel);
    out << "}\n";
}

}  // namespace fp
