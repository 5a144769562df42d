// A canvas that keeps the drawing operations in order instead of drawing them: what
// tomaro-cli prints as the paint list, and what tests compare.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "display/canvas.hpp"

namespace tomaro {

// The paint list writes an alignment as a number, the one GDI gives it: left 0, right 2,
// centre 6 (tomaro-cli prints these).
constexpr std::int32_t RecordedAlign(TextAlign align) {
    switch (align) {
        case ALIGN_LEFT:
            return 0;
        case ALIGN_RIGHT:
            return 2;
        case ALIGN_CENTRE:
            return 6;
    }
    return 0;
}
constexpr TextAlign AlignOfRecorded(std::int32_t recorded) {
    return recorded == RecordedAlign(ALIGN_RIGHT)    ? ALIGN_RIGHT
           : recorded == RecordedAlign(ALIGN_CENTRE) ? ALIGN_CENTRE
                                                     : ALIGN_LEFT;
}

struct PaintOp {
    enum Kind : std::uint8_t { Fill, Align, Text, Line };
    Kind kind = Fill;
    // Fill: left, top, right, bottom. Align: the recorded alignment in a. Text: x, y. Line:
    // x1, y1, x2, y2.
    std::int32_t a = 0, b = 0, c = 0, d = 0;
    std::string text;  // Text only
};

class RecordingCanvas final : public Canvas {
public:
    std::span<const PaintOp> ops() const { return {ops_.data(), count_}; }

    // Forgets the operations but keeps their storage: a trace repaints after every key.
    void Clear() { count_ = 0; }

    void FillWhite(const Rect& r) override {
        Record(PaintOp::Fill, r.left, r.top, r.right, r.bottom);
    }
    void SetTextAlign(TextAlign align) override {
        Record(PaintOp::Align, RecordedAlign(align), 0, 0, 0);
    }
    void TextOut(std::int32_t x, std::int32_t y, std::string_view utf8) override {
        Record(PaintOp::Text, x, y, 0, 0).text.assign(utf8);
    }
    void Line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override {
        Record(PaintOp::Line, x1, y1, x2, y2);
    }

private:
    PaintOp& Record(PaintOp::Kind kind, std::int32_t a, std::int32_t b, std::int32_t c,
                    std::int32_t d) {
        if (count_ == ops_.size()) ops_.emplace_back();
        PaintOp& op = ops_[count_++];
        op.kind = kind;
        op.a = a;
        op.b = b;
        op.c = c;
        op.d = d;
        op.text.clear();
        return op;
    }

    std::vector<PaintOp> ops_;
    std::size_t count_ = 0;
};

}  // namespace tomaro
