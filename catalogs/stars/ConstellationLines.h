#pragma once
// The constellation figures (clines.dat of kstars-data). One section per sky culture, opened by
// "C <culture>"; a comment "# Name" starts a figure; "M <HD>" moves the pen to a star, "D <HD>"
// draws a line to the next star and "d <HD>" a dashed one. Stars are named by their Henry Draper
// catalogue number: stars.dat does not carry those numbers, so the figures are kept as numbers
// here and matched to stars by whoever has an HD cross-index.
#include <string>
#include <string_view>
#include <vector>

namespace vagaris::stars {

enum class PenStroke { Move, Draw, DashedDraw };

struct FigureStep {
    PenStroke stroke = PenStroke::Move;
    int hd = 0;  // Henry Draper number of the star the pen goes to
};

struct ConstellationFigure {
    std::string name;  // from the comment before it, e.g. "Andromeda"; may be empty
    std::vector<FigureStep> steps;
};

struct FigureSegment {
    int fromHd = 0, toHd = 0;
    bool dashed = false;
};

class ConstellationLines {
public:
    ConstellationLines() = default;
    static ConstellationLines Load(const std::string& path, std::string_view culture = "Western");
    static ConstellationLines FromText(std::string_view text, std::string_view culture = "Western");

    bool Missing() const { return missing_; }
    const std::vector<ConstellationFigure>& Figures() const { return figures_; }
    std::size_t SkippedLines() const { return skippedLines_; }

    // The pairs of stars to join, in file order.
    static std::vector<FigureSegment> Segments(const ConstellationFigure& figure);

private:
    std::vector<ConstellationFigure> figures_;
    std::size_t skippedLines_ = 0;
    bool missing_ = true;
};

}  // namespace vagaris::stars
