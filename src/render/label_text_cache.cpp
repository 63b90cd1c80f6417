// Per-font caches of laid-out label texts, bounded so that no listing can make them grow far.
#include "render/label_text_cache.h"

#include <QPaintDevice>
#include <map>
#include <memory>
#include <utility>

#include "render/listing_qstring.h"

namespace fp {

namespace {

// Far more distinct texts than one plan writes; beyond it a cache starts afresh.
constexpr std::size_t kMostLabels = 20000;

}  // namespace

LabelTextCache::LabelTextCache(const QFont& font, QPaintDevice* device) : metrics_(font, device) {}

LabelTextCache& LabelTextCache::forFont(const QFont& font, QPaintDevice* device) {
    // Metrics depend on the font and on the device's resolution.
    using Key = std::pair<QString, std::pair<int, int>>;
    static std::map<Key, std::unique_ptr<LabelTextCache>> caches;
    const Key key{font.key(), {device->logicalDpiX(), device->logicalDpiY()}};
    auto found = caches.find(key);
    if (found == caches.end()) {
        found =
            caches.emplace(key, std::unique_ptr<LabelTextCache>(new LabelTextCache(font, device)))
                .first;
    }
    return *found->second;
}

const LabelTextCache::Label& LabelTextCache::label(std::string_view text) {
    const std::string key(text);
    const auto found = labels_.find(key);
    if (found != labels_.end()) {
        return found->second;
    }
    if (labels_.size() >= kMostLabels) {
        labels_.clear();
    }
    const QString qtext = qStringFromListing(text);
    Label label;
    label.layout = QStaticText(qtext);
    label.layout.setTextFormat(Qt::PlainText);
    label.width = metrics_.horizontalAdvance(qtext);
    return labels_.emplace(key, std::move(label)).first->second;
}

}  // namespace fp
