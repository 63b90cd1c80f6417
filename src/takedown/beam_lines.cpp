// Beam lines, the columns on them and the lever rule.
#include "takedown/beam_lines.h"

#include <algorithm>
#include <optional>
#include <tuple>

#include "model/number_text.h"

namespace fp {
namespace {

// A member along a line, by the line across it and the lines of its two ends along it.
struct Span {
    int across = 0;
    int from = 0;
    int to = 0;
};

}  // namespace

BeamLines::BeamLines(const ListingDocument& document, int level)
    : grid_(document.grid), linesZ_(document.grid.z.count()) {
    const std::size_t points =
        static_cast<std::size_t>(grid_.x.count() + 1) * static_cast<std::size_t>(linesZ_ + 1);
    columnBelow_.assign(points, 0);
    meeting_.assign(points, 0);
    chainAlongX_.assign(points, -1);
    chainAlongZ_.assign(points, -1);
    const LevelModel& model = document.level(level);
    for (const LevelColumn& column : model.columns) {
        const std::optional<GridPoint> point = pointAt(column.x, column.z);
        if (column.fromBelow && point) {
            columnBelow_[indexOf(*point)] = column.member;
        }
    }
    for (const FramedMember& member : model.framed) {
        const bool alongX = member.direction == BeamDirection::PlusX;
        ++meeting_[indexOf({member.ix, member.iz})];
        ++meeting_[indexOf(alongX ? GridPoint{member.farLine, member.iz}
                                  : GridPoint{member.ix, member.farLine})];
    }
    addChains(model.framed, true);
    addChains(model.framed, false);
}

std::size_t BeamLines::indexOf(const GridPoint& point) const {
    return static_cast<std::size_t>(point.ix) * static_cast<std::size_t>(linesZ_ + 1) +
           static_cast<std::size_t>(point.iz);
}

std::optional<GridPoint> BeamLines::pointAt(float x, float z) const {
    const GridPoint point{grid_.x.lineOf(x), grid_.z.lineOf(z)};
    if (point.ix == 0 || point.iz == 0) {
        return std::nullopt;
    }
    return point;
}

PlanPoint BeamLines::positionOf(const GridPoint& point) const {
    return {grid_.x.at(point.ix), grid_.z.at(point.iz)};
}

int32_t BeamLines::columnBelow(const GridPoint& point) const {
    return columnBelow_[indexOf(point)];
}

int BeamLines::membersMeeting(const GridPoint& point) const {
    return meeting_[indexOf(point)];
}

void BeamLines::addChains(const std::vector<FramedMember>& framed, bool alongX) {
    std::vector<Span> spans;
    for (const FramedMember& member : framed) {
        if ((member.direction == BeamDirection::PlusX) == alongX) {
            spans.push_back(alongX ? Span{member.iz, member.ix, member.farLine}
                                   : Span{member.ix, member.iz, member.farLine});
        }
    }
    std::sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) {
        return std::tie(a.across, a.from) < std::tie(b.across, b.from);
    });
    const auto pointOf = [alongX](int across, int at) {
        return alongX ? GridPoint{at, across} : GridPoint{across, at};
    };
    std::vector<int>& chainOf = alongX ? chainAlongX_ : chainAlongZ_;
    int lastAcross = 0;
    int lastEnd = 0;
    for (const Span& span : spans) {
        const bool continues = !chains_.empty() && span.across == lastAcross &&
                               span.from == lastEnd && chains_.back().alongX == alongX;
        // A second member between the same joints adds nothing to the line.
        if (span.across == lastAcross && span.from < lastEnd) {
            continue;
        }
        if (!continues) {
            chains_.push_back(Chain{alongX, {pointOf(span.across, span.from)}});
        }
        chains_.back().joints.push_back(pointOf(span.across, span.to));
        lastAcross = span.across;
        lastEnd = span.to;
        const int id = static_cast<int>(chains_.size()) - 1;
        chainOf[indexOf(pointOf(span.across, span.from))] = id;
        chainOf[indexOf(pointOf(span.across, span.to))] = id;
    }
}

double BeamLines::along(const Chain& chain, const GridPoint& point) const {
    return metres(chain.alongX ? grid_.x.at(point.ix) : grid_.z.at(point.iz));
}

std::vector<Transfer> BeamLines::transfersFrom(const GridPoint& point) const {
    std::vector<const Chain*> through;
    std::vector<const Chain*> ending;
    for (const int id : {chainAlongX_[indexOf(point)], chainAlongZ_[indexOf(point)]}) {
        if (id < 0) {
            continue;
        }
        const Chain& chain = chains_[static_cast<std::size_t>(id)];
        const bool reachesColumn =
            std::any_of(chain.joints.begin(), chain.joints.end(),
                        [this](const GridPoint& joint) { return columnBelow(joint) != 0; });
        if (!reachesColumn) {
            continue;
        }
        const bool endsHere = chain.joints.front() == point || chain.joints.back() == point;
        (endsHere ? ending : through).push_back(&chain);
    }
    const std::vector<const Chain*>& taking = through.empty() ? ending : through;
    std::vector<Transfer> transfers;
    for (const Chain* chain : taking) {
        leverRule(*chain, point, 1.0 / static_cast<double>(taking.size()), transfers);
    }
    return transfers;
}

void BeamLines::leverRule(const Chain& chain, const GridPoint& point, double share,
                          std::vector<Transfer>& transfers) const {
    const double at = along(chain, point);
    // The columns of the line, by their distance from the joint: the nearest on each side.
    std::optional<GridPoint> before;
    std::optional<GridPoint> after;
    std::vector<GridPoint> columns;
    for (const GridPoint& joint : chain.joints) {
        if (columnBelow(joint) == 0) {
            continue;
        }
        columns.push_back(joint);
        if (along(chain, joint) < at) {
            before = joint;
        } else if (!after) {
            after = joint;
        }
    }
    if (columns.size() == 1) {
        // Off the one column of its line, as a cantilever: the column takes it all.
        transfers.push_back({columns.front(), share, chain.alongX, true});
        return;
    }
    GridPoint a;
    GridPoint b;
    bool cantilever = false;
    if (before && after) {
        a = *before;
        b = *after;
    } else {
        // Beyond the last column: the two nearest carry it, the farther one lifted.
        cantilever = true;
        const bool pastTheEnd = !after;
        a = pastTheEnd ? columns[columns.size() - 2] : columns[1];
        b = pastTheEnd ? columns.back() : columns.front();
    }
    const double atA = along(chain, a);
    const double atB = along(chain, b);
    transfers.push_back({a, share * (atB - at) / (atB - atA), chain.alongX, cantilever});
    transfers.push_back({b, share * (at - atA) / (atB - atA), chain.alongX, cantilever});
}

}  // namespace fp
