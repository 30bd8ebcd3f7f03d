// The popup menu with its check and radio items, found by name.
#include "platform/qt/qt_form.h"

#include <QActionGroup>

#include "platform/qt/qt_convert.h"

namespace lv::qt {

QtPopupMenu::QtPopupMenu(QWidget* owner, const std::vector<TMenuItemSpec>& items) : menu_(new QMenu(owner)) {
  std::map<std::string, QMenu*> submenus{{"", menu_}};
  std::map<std::string, QActionGroup*> radioGroups;
  for (const TMenuItemSpec& item : items) {
    QMenu* parent = submenus.count(item.Parent) ? submenus[item.Parent] : menu_;
    if (item.Caption == "-") {
      parent->addSeparator();
      continue;
    }
    const bool isSubmenu = std::any_of(items.begin(), items.end(),
                                       [&](const TMenuItemSpec& other) { return other.Parent == item.Name; });
    if (isSubmenu) {
      QMenu* sub = parent->addMenu(FromCp932(item.Caption));
      submenus[item.Name] = sub;
      actions_[item.Name] = sub->menuAction();
      continue;
    }
    QAction* action = parent->addAction(FromCp932(item.Caption));
    // Options become checkable when their check is first set; commands never show one.
    action->setCheckable(item.Radio);
    if (item.Radio) {
      QActionGroup*& group = radioGroups[item.Parent];
      if (!group) group = new QActionGroup(menu_);
      group->addAction(action);
    }
    const std::string name = item.Name;
    QObject::connect(action, &QAction::triggered, [this, name] {
      if (OnClick) OnClick(name);
    });
    actions_[item.Name] = action;
  }
  QObject::connect(menu_, &QMenu::aboutToShow, [this] {
    if (OnPopup) OnPopup();
  });
}

QAction* QtPopupMenu::Find(const std::string& item) const {
  auto it = actions_.find(item);
  return it == actions_.end() ? nullptr : it->second;
}

void QtPopupMenu::SetChecked(const std::string& item, bool checked) {
  if (QAction* a = Find(item)) {
    a->setCheckable(true);
    a->setChecked(checked);
  }
}

bool QtPopupMenu::Checked(const std::string& item) const {
  QAction* a = Find(item);
  return a && a->isChecked();
}

void QtPopupMenu::SetEnabled(const std::string& item, bool enabled) {
  if (QAction* a = Find(item)) a->setEnabled(enabled);
}

bool QtPopupMenu::Enabled(const std::string& item) const {
  QAction* a = Find(item);
  return a && a->isEnabled();
}

void QtPopupMenu::Popup(int screenX, int screenY) { menu_->popup(QPoint(screenX, screenY)); }

}  // namespace lv::qt
