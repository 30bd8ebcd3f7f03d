#include "platform/headless/headless_platform.h"

namespace lv::headless {

void Memo::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  if (OnChange) OnChange();
}

void Memo::Type(const std::string& text) {
  if (!readOnly_) SetText(text);
}

PopupMenu::PopupMenu(std::vector<TMenuItemSpec> items) : items(std::move(items)) {}

PopupMenu::State& PopupMenu::At(const std::string& item) { return states_[item]; }

void PopupMenu::SetChecked(const std::string& item, bool checked) { At(item).checked = checked; }

bool PopupMenu::Checked(const std::string& item) const {
  auto it = states_.find(item);
  return it != states_.end() && it->second.checked;
}

void PopupMenu::SetEnabled(const std::string& item, bool enabled) { At(item).enabled = enabled; }

bool PopupMenu::Enabled(const std::string& item) const {
  auto it = states_.find(item);
  return it == states_.end() || it->second.enabled;
}

void PopupMenu::Popup(int, int) {
  ++popupCount;
  if (OnPopup) OnPopup();
}

std::unique_ptr<ILabel> Form::CreateLabel(const TRect& bounds, TAlignment alignment, bool wordWrap) {
  auto label = std::make_unique<Label>(bounds, alignment, wordWrap);
  labels.push_back(label.get());
  return label;
}

std::unique_ptr<IMemo> Form::CreateMemo(const TRect& bounds) {
  auto created = std::make_unique<Memo>(bounds);
  memo = created.get();
  return created;
}

std::unique_ptr<ITimer> Form::CreateTimer() {
  auto timer = std::make_unique<Timer>();
  timers.push_back(timer.get());
  return timer;
}

std::unique_ptr<IPopupMenu> Form::CreatePopupMenu(const std::vector<TMenuItemSpec>& items) {
  auto menu = std::make_unique<PopupMenu>(items);
  popupMenu = menu.get();
  return menu;
}

std::unique_ptr<IForm> Application::CreateForm() {
  auto created = std::make_unique<Form>();
  form = created.get();
  return created;
}

// The test drives the window itself; running only shows it once, as the first
// paint of a real desktop would.
void Application::Run(IForm& mainForm) {
  ++runCount;
  auto& shown = static_cast<Form&>(mainForm);
  if (shown.events.OnPaint) shown.events.OnPaint();
}

std::optional<IWindowFinder::Handle> WindowFinder::FindTopLevel(const std::string& title) {
  for (std::size_t i = 0; i < windows.size(); ++i)
    if (windows[i].title == title) return i;
  return std::nullopt;
}

}  // namespace lv::headless
