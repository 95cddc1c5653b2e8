#include "Section.h"

namespace tornivo::app {

std::string_view icon(Section section) {
    switch (section) {
        case Section::clean:
            return "sparkles";
        case Section::tuneup:
            return "bolt.fill";
        case Section::developer:
            return "hammer.fill";
        case Section::xray:
            return "chart.pie.fill";
        case Section::duplicates:
            return "doc.on.doc.fill";
        case Section::large:
            return "externaldrive.fill";
        case Section::installers:
            return "opticaldiscdrive.fill";
        case Section::uninstall:
            return "trash.fill";
        case Section::shred:
            return "flame.fill";
        case Section::settings:
            return "gearshape.fill";
    }
    return {};
}

const std::vector<Section>& tabs() {
    static const std::vector<Section> list = [] {
        std::vector<Section> out;
        for (Section s : allCases<Section>())
            if (s != Section::settings) out.push_back(s);
        return out;
    }();
    return list;
}

}  // namespace tornivo::app
