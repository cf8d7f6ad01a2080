// The watermark font slot. Qt always finds some font for any family name, so whether the family
// exists is decided by fontconfig: the best match must be the family asked for or one of the
// stand-ins fontconfig's rules configure for it (such as a metric-compatible substitute). A match
// that only comes from the general fallback list means no installed font provides the family.
#include <fontconfig/fontconfig.h>

#include <QGuiApplication>
#include <QScreen>

#include <memory>
#include <optional>
#include <set>
#include <string>

#include "gui/drawing_parts.h"

namespace {
std::optional<QFont> Slot;

std::string Folded(const FcChar8* text) {
    std::string folded(reinterpret_cast<const char*>(text));
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

// The families fontconfig's rules bind strongly to a requested family, in lower case: the
// family itself and the stand-ins configured for it. The general fallback list every name gets
// is bound weakly and is left out.
std::set<std::string> BoundFamilies(FcConfig* config, const char* family) {
    std::set<std::string> families;
    FcPattern* pattern = FcPatternCreate();
    if (!pattern) return families;
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcValue value;
    FcValueBinding binding = FcValueBindingWeak;
    for (int k = 0; FcPatternGetWithBinding(pattern, FC_FAMILY, k, &value, &binding) == FcResultMatch; ++k)
        if (value.type == FcTypeString && binding != FcValueBindingWeak) families.insert(Folded(value.u.s));
    FcPatternDestroy(pattern);
    return families;
}

// The family of the installed font fontconfig picks for a request, in lower case, or "".
std::string MatchedFamily(FcConfig* config, const char* family) {
    std::string matched;
    FcPattern* pattern = FcPatternCreate();
    if (!pattern) return matched;
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    if (FcPattern* font = FcFontMatch(config, pattern, &result)) {
        FcChar8* name = nullptr;
        if (FcPatternGetString(font, FC_FAMILY, 0, &name) == FcResultMatch) matched = Folded(name);
        FcPatternDestroy(font);
    }
    FcPatternDestroy(pattern);
    return matched;
}

bool FamilyInstalled(const char* family) {
    if (!family || !*family) return false;
    FcConfig* config = FcConfigGetCurrent();
    if (!config) return false;
    const std::string matched = MatchedFamily(config, family);
    if (matched.empty()) return false;
    return BoundFamilies(config, family).count(matched) != 0;
}
}  // namespace

int LoadWatermarkFont(const LumadexFontRequest* request) {
    Slot.reset();
    if (!request || request->pointSize <= 0 || !FamilyInstalled(request->family)) return 0;
    QFont font(QString::fromUtf8(request->family));
    // Points at the screen's resolution, as a pixel size, so that the canvases' own resolution
    // plays no part.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    const int pixels = static_cast<int>(request->pointSize * dpi / 72.0 + 0.5);
    if (pixels <= 0) return 0;
    font.setPixelSize(pixels);
    font.setBold(request->style == 1 || request->style == 3);
    font.setItalic(request->style == 2 || request->style == 3);
    font.setUnderline(request->effect == 1);
    font.setStrikeOut(request->effect == 2);
    Slot = font;
    return 1;
}

void FreeWatermarkFont() { Slot.reset(); }

const QFont* WatermarkFont() { return Slot ? &*Slot : nullptr; }
