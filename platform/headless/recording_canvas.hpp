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

struct PaintOp {
    enum Kind : std::uint8_t { Fill, Align, Text, Line };
    Kind kind = Fill;
    // Fill: left, top, right, bottom. Align: the alignment in a. Text: x, y. Line: x1, y1,
    // x2, y2.
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
        Record(PaintOp::Align, static_cast<std::int32_t>(align), 0, 0, 0);
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
