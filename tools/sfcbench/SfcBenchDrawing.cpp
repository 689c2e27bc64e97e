#include "tools/sfcbench/SfcBenchDrawing.h"

#include "platform/mfc/Cp932.h"

#include <cstdint>
#include <cstdio>
#include <iterator>
#include <string_view>
#include <vector>

namespace {

constexpr int Layers = 12;
constexpr int SfigDefinitions = 8;
constexpr int BlocksPerRow = 100;
constexpr double BlockWidth = 400.0;
constexpr double BlockHeight = 300.0;

constexpr std::string_view ColourNames[] = {
    "black",    "red",   "green",  "blue",       "yellow",    "magenta",  "cyan",      "white",
    "deeppink", "brown", "orange", "lightgreen", "lightblue", "lavender", "lightgray", "darkgray"};
constexpr std::string_view LineTypeNames[] = {"continuous",         "dashed", "dashed spaced",
                                              "long dashed dotted", "dotted", "chain"};
constexpr std::string_view Widths[] = {"0.13", "0.18", "0.25", "0.35", "0.5",
                                       "0.7",  "1.0",  "1.4",  "2.0",  "0.3"};
// 表, ソ and 能 end in 0x5C.
constexpr std::string_view LayerNames[Layers] = {"外形線", "寸法表", "ソ能",   "文字",
                                                 "中心線", "ハッチ", "表題欄", "補助線",
                                                 "記号",   "図枠",   "凡例",   "予備"};
constexpr std::string_view Texts[] = {"1234", "寸法表", "ソフト能力", "A-A断面", "φ600", "表示"};

// A fixed sequence of pseudo-random numbers: one size always gives one file.
class Numbers {
public:
    double Next(double low, double high) {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        const double unit = static_cast<double>(m_state >> 11) / static_cast<double>(1ULL << 53);
        return low + unit * (high - low);
    }
    // low..high, both included.
    int Int(int low, int high) { return low + static_cast<int>(Next(0, high - low + 1)); }

private:
    std::uint64_t m_state = 0x5EED;
};

// A number as the writer gives it: at most six decimals, at least one.
std::string Format(double value) {
    char buffer[48];
    const int length = std::snprintf(buffer, sizeof buffer, "%.6f", value);
    std::string text(buffer, static_cast<std::size_t>(length));
    while (text.ends_with('0') && text[text.size() - 2] != '.') {
        text.pop_back();
    }
    return text == "-0.0" ? "0.0" : text;
}

// One feature's parameters, each quoted.
class Parameters {
public:
    Parameters& Int(long long value) { return Quoted(std::to_string(value)); }
    Parameters& Number(double value) { return Quoted(Format(value)); }
    Parameters& Raw(std::string_view text) { return Quoted(text); }
    // A name or text, given in UTF-8, written in CP932 between backslash-apostrophes.
    Parameters& Text(std::string_view utf8) {
        return Quoted("\\'" + Cp932::FromUtf8(std::string(utf8)) + "\\'");
    }
    Parameters& List(const std::vector<double>& values) {
        std::string list = "(";
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (i) {
                list += ',';
            }
            list += Format(values[i]);
        }
        return Quoted(list + ")");
    }
    const std::string& Joined() const { return m_text; }

private:
    Parameters& Quoted(std::string_view value) {
        if (!m_text.empty()) {
            m_text += ',';
        }
        m_text += '\'';
        m_text += value;
        m_text += '\'';
        return *this;
    }

    std::string m_text;
};

class Writer {
public:
    explicit Writer(std::string& out) : m_out(out) {}

    // A feature comment; `level` is "", "3" or "3.1".
    void Feature(std::string_view name, const Parameters& p, std::string_view level = "") {
        // Ids rise, mostly by ten.
        m_id += m_id % 7 == 3 ? 1 : 10;
        m_out += "/*SXF";
        m_out += level;
        m_out += "\r\n#" + std::to_string(m_id) + " = ";
        m_out += name;
        m_out += '(' + p.Joined() + ")\r\nSXF";
        m_out += level;
        m_out += "*/\r\n";
    }

private:
    std::string& m_out;
    long long m_id = 0;
};

class Drawing {
public:
    Drawing(std::string& out, std::size_t blocks) : m_out(out), m_write(out), m_blocks(blocks) {}

    void Write() {
        m_out += "ISO-10303-21;\r\nHEADER;\r\n"
                 "FILE_DESCRIPTION(('SCADEC level2 feature_mode'),'2;1');\r\n"
                 "FILE_NAME('BENCH.SFC','2026-12-10T12:00:00',(''),(''),"
                 "'SCADEC_API_Ver3.10$$3.1','sfcbench','');\r\n"
                 "FILE_SCHEMA(('ASSOCIATIVE_DRAUGHTING'));\r\nENDSEC;\r\nDATA;\r\n";
        Tables();
        for (std::size_t block = 0; block < m_blocks; ++block) {
            CompositeCurves(block);
        }
        for (int definition = 0; definition < SfigDefinitions; ++definition) {
            SfigDefinition(definition);
        }
        for (std::size_t block = 0; block < m_blocks; ++block) {
            SheetBlock(block);
        }
        Attributes();
        m_write.Feature("drawing_sheet_feature",
                        Parameters().Text("一般図").Int(1).Int(1).Int(841).Int(594));
        // As real writers do, the layers come after the sheet.
        for (const std::string_view name : LayerNames) {
            m_write.Feature("layer_feature", Parameters().Text(name).Int(1));
        }
        m_out += "ENDSEC;\r\nEND-ISO-10303-21;\r\n";
    }

private:
    void Tables() {
        for (const std::string_view name : ColourNames) {
            m_write.Feature("pre_defined_colour_feature", Parameters().Text(name));
        }
        m_write.Feature("user_defined_colour_feature", Parameters().Int(128).Int(64).Int(0));
        m_write.Feature("user_defined_colour_feature", Parameters().Int(0).Int(96).Int(160));
        for (const std::string_view name : LineTypeNames) {
            m_write.Feature("pre_defined_font_feature", Parameters().Text(name));
        }
        m_write.Feature("user_defined_font_feature",
                        Parameters().Text("破線2").Int(2).List({3.0, 1.5}));
        m_write.Feature("user_defined_font_feature",
                        Parameters().Text("一点鎖線2").Int(4).List({8.0, 1.0, 0.5, 1.0}));
        for (const std::string_view width : Widths) {
            m_write.Feature("width_feature", Parameters().Raw(width));
        }
        m_write.Feature("text_font_feature", Parameters().Text("ＭＳ ゴシック"));
        m_write.Feature("text_font_feature", Parameters().Text("ＭＳ 明朝"));
    }

    Parameters Codes() {
        return Parameters()
            .Int(m_numbers.Int(1, Layers))
            .Int(m_numbers.Int(1, 16))
            .Int(m_numbers.Int(1, 6))
            .Int(m_numbers.Int(1, 9));
    }

    double X(double from, double to) { return m_x + m_numbers.Next(from, to); }
    double Y(double from, double to) { return m_y + m_numbers.Next(from, to); }

    void Place(std::size_t block) {
        m_x = static_cast<double>(block % BlocksPerRow) * BlockWidth;
        m_y = static_cast<double>(block / BlocksPerRow) * BlockHeight;
    }

    void TextBlock(Parameters& p, double x, double y) {
        p.Int(m_numbers.Int(1, 2))
            .Text(Texts[static_cast<std::size_t>(
                m_numbers.Int(0, static_cast<int>(std::size(Texts)) - 1))])
            .Number(x)
            .Number(y)
            .Number(3.5)
            .Number(m_numbers.Next(5, 30))
            .Number(0.5)
            .Number(m_numbers.Int(0, 3) * 90.0)
            .Number(0.0)
            .Int(m_numbers.Int(1, 9))
            .Int(1);
    }

    void Arrow(Parameters& p, int code, int placement, double x, double y) {
        p.Int(code).Int(placement).Number(x).Number(y).Number(2.5);
    }

    void Projection(Parameters& p, double x, double y) {
        p.Int(1).Number(x).Number(y - 10).Number(x).Number(y - 8).Number(x).Number(y + 2);
    }

    // Two squares, one inside the other, each of a polyline and an arc and a line.
    void CompositeCurves(std::size_t block) {
        Place(block);
        for (const double inset : {0.0, 20.0}) {
            const double x0 = m_x + 250 + inset;
            const double y0 = m_y + 150 + inset;
            const double side = 100 - 2 * inset;
            m_write.Feature(
                "polyline_feature",
                Codes().Int(3).List({x0, x0 + side, x0 + side}).List({y0, y0, y0 + side}));
            m_write.Feature("arc_feature", Codes()
                                               .Number(x0 + side / 2)
                                               .Number(y0 + side)
                                               .Number(side / 2)
                                               .Int(0)
                                               .Number(0.0)
                                               .Number(180.0));
            m_write.Feature("line_feature",
                            Codes().Number(x0).Number(y0 + side).Number(x0).Number(y0));
            m_write.Feature("composite_curve_org_feature",
                            Parameters().Int(1).Int(1).Int(1).Int(0));
        }
    }

    void SfigDefinition(int definition) {
        m_x = 0;
        m_y = 0;
        for (int i = 0; i < 4; ++i) {
            m_write.Feature(
                "line_feature",
                Codes().Number(X(0, 10)).Number(Y(0, 10)).Number(X(0, 10)).Number(Y(0, 10)));
        }
        m_write.Feature("circle_feature", Codes().Number(5.0).Number(5.0).Number(4.0));
        Parameters text = Parameters().Int(1).Int(1);
        TextBlock(text, 2.0, 2.0);
        m_write.Feature("text_string_feature", text);
        m_write.Feature("sfig_org_feature",
                        Parameters().Text("部品" + std::to_string(definition)).Int(4));
    }

    void Lines(int count) {
        for (int i = 0; i < count; ++i) {
            m_write.Feature("line_feature", Codes()
                                                .Number(X(0, BlockWidth))
                                                .Number(Y(0, BlockHeight))
                                                .Number(X(0, BlockWidth))
                                                .Number(Y(0, BlockHeight)));
        }
    }

    std::vector<double> Coordinates(double origin, double size, int count) {
        std::vector<double> values;
        for (int i = 0; i < count; ++i) {
            values.push_back(origin + m_numbers.Next(0, size));
        }
        return values;
    }

    void Curves() {
        for (int i = 0; i < 2; ++i) {
            const int count = m_numbers.Int(4, 12);
            m_write.Feature("polyline_feature", Codes()
                                                    .Int(count)
                                                    .List(Coordinates(m_x, BlockWidth, count))
                                                    .List(Coordinates(m_y, BlockHeight, count)));
        }
        for (int i = 0; i < 3; ++i) {
            m_write.Feature(
                "circle_feature",
                Codes().Number(X(20, 380)).Number(Y(20, 280)).Number(m_numbers.Next(1, 20)));
        }
        for (int i = 0; i < 3; ++i) {
            m_write.Feature("arc_feature", Codes()
                                               .Number(X(20, 380))
                                               .Number(Y(20, 280))
                                               .Number(m_numbers.Next(1, 20))
                                               .Int(m_numbers.Int(0, 1))
                                               .Number(m_numbers.Next(0, 180))
                                               .Number(m_numbers.Next(180, 360)));
        }
        m_write.Feature("ellipse_feature", Codes()
                                               .Number(X(30, 370))
                                               .Number(Y(30, 270))
                                               .Number(m_numbers.Next(10, 30))
                                               .Number(m_numbers.Next(5, 10))
                                               .Number(m_numbers.Next(0, 180)));
        m_write.Feature("ellipse_arc_feature", Codes()
                                                   .Number(X(30, 370))
                                                   .Number(Y(30, 270))
                                                   .Number(m_numbers.Next(10, 30))
                                                   .Number(m_numbers.Next(5, 10))
                                                   .Int(1)
                                                   .Number(m_numbers.Next(0, 180))
                                                   .Number(0.0)
                                                   .Number(270.0));
        const int count = m_numbers.Int(3, 8);
        m_write.Feature("spline_feature", Codes()
                                              .Int(1)
                                              .Int(count)
                                              .List(Coordinates(m_x, BlockWidth, count))
                                              .List(Coordinates(m_y, BlockHeight, count)));
        m_write.Feature("clothoid_feature",
                        Codes()
                            .Number(X(0, 200))
                            .Number(Y(0, 200))
                            .Number(m_numbers.Next(50, 100))
                            .Int(m_numbers.Int(0, 1))
                            .Number(m_numbers.Next(0, 90))
                            .Number(0.0)
                            .Number(m_numbers.Next(10, 60)),
                        "3.1");
    }

    void Symbols() {
        for (int i = 0; i < 4; ++i) {
            Parameters text = Parameters().Int(m_numbers.Int(1, Layers)).Int(m_numbers.Int(1, 16));
            TextBlock(text, X(0, 380), Y(0, 290));
            m_write.Feature("text_string_feature", text);
        }
        m_write.Feature("point_marker_feature", Parameters()
                                                    .Int(1)
                                                    .Int(2)
                                                    .Number(X(0, 400))
                                                    .Number(Y(0, 300))
                                                    .Int(m_numbers.Int(1, 7))
                                                    .Number(0.0)
                                                    .Number(1.0));
        m_write.Feature("sfig_locate_feature",
                        Parameters()
                            .Int(1)
                            .Text("部品" + std::to_string(m_numbers.Int(0, SfigDefinitions - 1)))
                            .Number(X(0, 390))
                            .Number(Y(0, 290))
                            .Number(m_numbers.Next(0, 360))
                            .Number(1.0)
                            .Number(1.0));
        m_write.Feature("externally_defined_symbol_feature", Parameters()
                                                                 .Int(1)
                                                                 .Int(1)
                                                                 .Int(3)
                                                                 .Text("ソ能記号")
                                                                 .Number(X(0, 400))
                                                                 .Number(Y(0, 300))
                                                                 .Number(0.0)
                                                                 .Number(1.0));
    }

    void Dimensions() {
        const double x = X(20, 200);
        const double y = Y(20, 250);
        Parameters linear = Codes().Number(x).Number(y).Number(x + 100).Number(y);
        Projection(linear, x, y);
        Projection(linear, x + 100, y);
        Arrow(linear, 6, 1, x, y);
        Arrow(linear, 6, 1, x + 100, y);
        linear.Int(1);
        TextBlock(linear, x + 45, y + 1);
        m_write.Feature("linear_dim_feature", linear);

        for (const std::string_view name : {"angular_dim_feature", "curve_dim_feature"}) {
            Parameters angular = Codes().Number(x).Number(y).Number(40.0).Number(0.0).Number(60.0);
            Projection(angular, x + 40, y);
            Projection(angular, x + 20, y + 34.641016);
            Arrow(angular, 6, 1, x + 40, y);
            Arrow(angular, 6, 2, x + 20, y + 34.641016);
            angular.Int(1);
            TextBlock(angular, x + 38, y + 20);
            m_write.Feature(name, angular, name == "curve_dim_feature" ? "3.1" : "");
        }

        Parameters radius = Codes().Number(x).Number(y).Number(x + 15).Number(y + 15);
        Arrow(radius, 6, 1, x + 15, y + 15);
        radius.Int(1);
        TextBlock(radius, x + 8, y + 9);
        m_write.Feature("radius_dim_feature", radius);

        Parameters diameter = Codes().Number(x - 15).Number(y).Number(x + 15).Number(y);
        Arrow(diameter, 6, 1, x - 15, y);
        Arrow(diameter, 6, 1, x + 15, y);
        diameter.Int(1);
        TextBlock(diameter, x, y + 1);
        m_write.Feature("diameter_dim_feature", diameter);

        Parameters label = Codes().Int(3).List({x, x + 20, x + 40}).List({y, y + 20, y + 20});
        label.Int(6).Number(2.5).Int(1);
        TextBlock(label, x + 22, y + 21);
        m_write.Feature("label_feature", label);

        Parameters balloon = Codes().Int(2).List({x, x + 30}).List({y, y + 30});
        balloon.Number(x + 34).Number(y + 34).Number(4.0).Int(6).Number(2.5).Int(1);
        TextBlock(balloon, x + 34, y + 34);
        m_write.Feature("balloon_feature", balloon);
    }

    void Fills(std::size_t block) {
        const int outer = static_cast<int>(2 * block + 1);
        const int inner = outer + 1;
        m_write.Feature("fill_area_style_colour_feature", Parameters()
                                                              .Int(m_numbers.Int(1, Layers))
                                                              .Int(m_numbers.Int(1, 16))
                                                              .Int(outer)
                                                              .Int(1)
                                                              .List({double(inner)}));
        m_write.Feature("fill_area_style_hatching_feature",
                        Parameters()
                            .Int(6)
                            .Int(2)
                            .List({2, 1, 4, m_x, m_y, 2.0, 45.0})
                            .List({2, 1, 4, m_x, m_y, 2.0, 135.0})
                            .Int(outer)
                            .Int(0)
                            .List({}));
        m_write.Feature("fill_area_style_tiles_feature", Parameters()
                                                             .Int(6)
                                                             .Text("sxf_hatch_style_7_symbol")
                                                             .Int(3)
                                                             .Number(m_x)
                                                             .Number(m_y)
                                                             .Number(1.0)
                                                             .Number(0.0)
                                                             .Number(1.0)
                                                             .Number(90.0)
                                                             .Number(1.0)
                                                             .Number(1.0)
                                                             .Number(0.0)
                                                             .Int(inner)
                                                             .Int(0)
                                                             .List({}));
        m_write.Feature("externally_defined_hatch_feature",
                        Parameters().Int(6).Text("JIS").Int(outer).Int(1).List({double(inner)}));
    }

    // Lines outnumber everything else, as in real drawings.
    void SheetBlock(std::size_t block) {
        Place(block);
        Lines(12);
        Curves();
        Symbols();
        Dimensions();
        Fills(block);
    }

    void Attributes() {
        m_write.Feature("drawing_attribute_feature",
                        Parameters()
                            .Text("国道改良工事")
                            .Text("第2工区")
                            .Text("本工事")
                            .Text("一般図")
                            .Text("1")
                            .Text("一般図")
                            .Text("1:500")
                            .Int(2026)
                            .Int(12)
                            .Int(10)
                            .Text("施工者")
                            .Text("発注者"),
                        "3");
    }

    std::string& m_out;
    Writer m_write;
    std::size_t m_blocks;
    Numbers m_numbers;
    double m_x = 0;
    double m_y = 0;
};

std::string Write(std::size_t blocks) {
    std::string out;
    Drawing(out, blocks).Write();
    return out;
}

} // namespace

std::string SfcBenchDrawing::Text(std::size_t bytes) {
    constexpr std::size_t Sample = 16;
    const std::size_t once = Write(Sample).size();
    const std::size_t perBlock = (Write(2 * Sample).size() - once) / Sample;
    const std::size_t fixed = once - Sample * perBlock;
    std::size_t blocks = bytes > fixed ? (bytes - fixed) / perBlock + 1 : 1;
    std::string text = Write(blocks);
    while (text.size() < bytes) {
        blocks += (bytes - text.size()) / perBlock + 1;
        text = Write(blocks);
    }
    return text;
}
