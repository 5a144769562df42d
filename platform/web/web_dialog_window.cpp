#include "platform/web/web_dialog_window.hpp"

#include <algorithm>
#include <deque>

#include "platform/dialog_rules.hpp"

namespace tomaro::platform::web {
namespace {

// The dialog font's 9 points are 12 CSS pixels; a wide page shows the dialog up to twice
// that, a narrow one (a phone held upright) down to half, in half-pixel steps.
constexpr double kDialogFontPixels = 12.0;
constexpr double kLargestScale = 2.0;
constexpr double kSmallestScale = 0.5;
constexpr double kFontStep = 0.5;
// The display's own font, as the system font stands to the dialog font on Windows.
constexpr double kDisplayFontRatio = 4.0 / 3.0;
constexpr std::int32_t kPageMargin = 8;

std::int32_t FlagsOf(const ControlTemplate& c) {
    std::int32_t flags = 0;
    if (c.tabStop) flags |= page::kTabStop;
    if (c.disabled) flags |= page::kDisabled;
    if (c.sunkenEdge) flags |= page::kSunkenEdge;
    if (c.scrolls) flags |= page::kScrolls;
    if (c.literalAmpersands) flags |= page::kLiteralAmpersands;
    if (c.align == Alignment::Centre) flags |= page::kAlignCentre;
    if (c.align == Alignment::Right) flags |= page::kAlignRight;
    return flags;
}

// Draws into the page's canvas of a control when it is released: the page keeps the picture.
struct WebPaintOp {
    std::int32_t kind;  // 0 fill, 1 align, 2 text, 3 line
    std::int32_t a, b, c, d;
    const char* text;
    std::int32_t length;
};

class WebDeviceContext final : public DeviceContext {
public:
    WebDeviceContext(int window, int control) : window_(window), control_(control) {}
    ~WebDeviceContext() override {
        page::Draw(window_, control_, ops_.data(), static_cast<std::int32_t>(ops_.size()));
    }

    Size TextExtent(std::string_view utf8) override {
        const page::Extent e = page::MeasureCanvasText(window_, control_, utf8);
        return {e.cx, e.cy};
    }
    Rect ClientRect() override {
        const page::Extent e = page::CanvasSize(window_, control_);
        return {0, 0, e.cx, e.cy};
    }
    void FillWhite(const Rect& r) override { Add(0, r.left, r.top, r.right, r.bottom); }
    void SetTextAlign(TextAlign a) override { Add(1, static_cast<std::int32_t>(a), 0, 0, 0); }
    void TextOut(std::int32_t x, std::int32_t y, std::string_view utf8) override {
        const std::string& text = texts_.emplace_back(utf8);  // a deque does not move it
        ops_.push_back({2, x, y, 0, 0, text.data(), static_cast<std::int32_t>(text.size())});
    }
    void Line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override {
        Add(3, x1, y1, x2, y2);
    }

private:
    void Add(std::int32_t kind, std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d) {
        ops_.push_back({kind, a, b, c, d, nullptr, 0});
    }

    int window_, control_;
    std::vector<WebPaintOp> ops_;
    std::deque<std::string> texts_;
};

}  // namespace

WebDialogWindow::WebDialogWindow(int window_id, const DialogTemplate& t, DialogHandler& handler,
                                 bool modal)
    : id_(window_id), template_(t), handler_(handler) {
    page::OpenWindow(id_, t.caption, modal, t.systemMenu);
    controls_.reserve(t.controls.size());
    for (const ControlTemplate& c : t.controls) {
        const std::string_view name = c.accessibleName.empty() ? c.text : c.accessibleName;
        page::CreateControl(id_, c.id, static_cast<int>(c.kind), c.text, name, FlagsOf(c));
        controls_.push_back({&c, std::string(c.text), std::string(name), {}, !c.disabled});
    }
    Layout();
}

WebDialogWindow::~WebDialogWindow() {
    page::CloseWindow(id_);
}

void WebDialogWindow::Layout() {
    const page::Viewport page = page::ViewportSize();
    BaseUnits units{0, 0};
    const auto fits = [&](double font) {
        const PixelRect client = ToPixels(template_.rect, units);
        return client.width + 2 * (page::kFrameBorder + kPageMargin) <= page.width &&
               client.height + page::CaptionHeight(font) + 2 * (page::kFrameBorder + kPageMargin) <=
                   page.height;
    };
    for (font_pixels_ = kDialogFontPixels * kLargestScale;; font_pixels_ -= kFontStep) {
        const page::Extent letters = page::MeasureDialogFont(font_pixels_, kBaseUnitLetters);
        units = {HorizontalBaseUnit(letters.cx), letters.cy};
        if (font_pixels_ <= kDialogFontPixels * kSmallestScale || fits(font_pixels_)) break;
    }
    const PixelRect client = ToPixels(template_.rect, units);
    page::LayoutWindow(id_, client.width, client.height, font_pixels_);
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const PixelRect r = ToPixels(controls_[i].source->rect, units);
        page::PlaceControl(id_, static_cast<int>(i), r.x, r.y, r.width, r.height,
                           font_pixels_ * kDisplayFontRatio);
    }
}

void WebDialogWindow::Initialise() {
    const int first = InitDialog(handler_, *this, template_, [this](int id) {
        const Control* c = Find(id);
        return c != nullptr && c->enabled;
    });
    if (first != 0) SetFocus(first);
}

WebDialogWindow::Control* WebDialogWindow::Find(int id) {
    if (id == kNoId) return nullptr;
    const auto it = std::find_if(controls_.begin(), controls_.end(),
                                 [id](const Control& c) { return c.source->id == id; });
    return it != controls_.end() ? &*it : nullptr;
}

void WebDialogWindow::Dispatch(const page::Event& e) {
    if (ended_) return;
    switch (e.kind) {
        case page::EventKind::Click:
            Click(e.a);
            break;
        case page::EventKind::Command:
            SendCommand(handler_, *this, e.a);
            break;
        case page::EventKind::KeyDown:
            KeyDown(e.a, {.ctrl = e.b != 0, .shift = e.c != 0});
            break;
        case page::EventKind::ContextMenu:
            handler_.OnContextMenu({e.a, e.b});
            break;
        case page::EventKind::Timer:
            handler_.OnTimer(e.a);
            break;
        case page::EventKind::Activate:
            handler_.OnActivate(e.a != 0);
            break;
        case page::EventKind::Layout:
            Layout();
            handler_.OnDpiChanged();
            break;
        case page::EventKind::Restart:
            break;
    }
}

void WebDialogWindow::Click(int id) {
    if (const Control* c = Find(id); c != nullptr && c->source->IsButton() && c->enabled)
        SendCommand(handler_, *this, id);
}

void WebDialogWindow::KeyDown(int virtual_key, vk::Modifiers held) {
    if (!SendKeyDown(handler_, *this, virtual_key, held)) DefaultKey(virtual_key);
}

void WebDialogWindow::DefaultKey(int virtual_key) {
    const int focused = page::FocusedControl(id_);
    if (virtual_key == vk::kSpace) {
        Click(focused);
    } else if (virtual_key == vk::kTab) {
        // The next enabled tab stop after the focused control, round to the first.
        const auto at = std::find_if(controls_.begin(), controls_.end(),
                                     [&](const Control& c) { return c.source->id == focused; });
        const auto start =
            at == controls_.end() ? 0 : static_cast<std::size_t>(at - controls_.begin()) + 1;
        for (std::size_t i = 0; i < controls_.size(); ++i) {
            const Control& c = controls_[(start + i) % controls_.size()];
            if (c.source->tabStop && c.enabled && c.source->id != kNoId) {
                SetFocus(c.source->id);
                break;
            }
        }
    }
}

void WebDialogWindow::EnableControl(int id, bool enabled) {
    Control* c = Find(id);
    if (c == nullptr || c->enabled == enabled) return;
    c->enabled = enabled;
    page::EnableControl(id_, id, enabled);
}

// As in a dialog, a disabled control cannot take the focus.
void WebDialogWindow::SetFocus(int id) {
    if (const Control* c = Find(id); c != nullptr && c->enabled) page::FocusControl(id_, id);
}

std::string WebDialogWindow::ControlText(int id) {
    const Control* c = Find(id);
    return c != nullptr ? c->text : std::string();
}

void WebDialogWindow::SetControlText(int id, std::string_view utf8) {
    Control* c = Find(id);
    if (c == nullptr) return;
    c->text.assign(utf8);
    page::SetControlText(id_, id, utf8);
}

// Kept by the page as the field's limit on typing, which a read-only field never gets.
void WebDialogWindow::SetInputLimit(int, int) {}

void WebDialogWindow::SetAccessibleText(int id, std::string_view utf8) {
    Control* c = Find(id);
    if (c == nullptr || c->name == utf8) return;
    c->name.assign(utf8);
    page::SetAccessibleName(id_, id, utf8);
}

void WebDialogWindow::SetAccessibleDescription(int id, std::string_view utf8) {
    Control* c = Find(id);
    if (c == nullptr || c->description == utf8) return;
    c->description.assign(utf8);
    page::SetAccessibleDescription(id_, id, utf8);
}

void WebDialogWindow::Announce(std::string_view utf8, bool /*alert*/) {
    page::Announce(utf8);
}

std::string WebDialogWindow::ClipboardText() {
    return page::ClipboardText();
}

void WebDialogWindow::SetClipboardText(std::string_view utf8) {
    page::SetClipboardText(utf8);
}

void WebDialogWindow::SetTimer(int timer_id, int milliseconds) {
    page::SetTimer(id_, timer_id, milliseconds);
}

void WebDialogWindow::KillTimer(int timer_id) {
    page::KillTimer(id_, timer_id);
}

void WebDialogWindow::TrackPopupMenu(std::span<const MenuItem> items, Point screen) {
    std::string lines;
    for (const MenuItem& item : items) {
        lines += std::to_string(item.id);
        lines += '\t';
        lines += item.text;
        lines += item.disabled ? "\t1\n" : "\t0\n";
    }
    page::PopupMenu(id_, lines, screen.x, screen.y);
}

Point WebDialogWindow::ClientOrigin() {
    const page::Point2 origin = page::ClientOrigin(id_);
    return {origin.x, origin.y};
}

std::unique_ptr<DeviceContext> WebDialogWindow::GetDeviceContext(int control_id) {
    const Control* c = Find(control_id);
    if (c == nullptr || c->source->kind != ControlKind::WhiteFrame) return nullptr;
    return std::make_unique<WebDeviceContext>(id_, control_id);
}

void WebDialogWindow::EndDialog(int result) {
    ended_ = true;
    result_ = result;
}

}  // namespace tomaro::platform::web
