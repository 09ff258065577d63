// Finding controls by objectName and reading or setting their captions, edit
// labels and combo-box entries; accessible names follow the captions.
#include "ui/widgets/LanguageApply.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QStackedWidget>
#include <QTabWidget>

namespace {

// The tab widget a page belongs to (the page's parent is the tab widget's stack).
QTabWidget* TabWidgetOf(QWidget* page, int* index) {
  QWidget* stack = page->parentWidget();
  if (!stack || !qobject_cast<QStackedWidget*>(stack)) return nullptr;
  auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget());
  if (!tabs) return nullptr;
  *index = tabs->indexOf(page);
  return *index >= 0 ? tabs : nullptr;
}

QLabel* BuddyLabel(QObject* edit) {
  auto* w = qobject_cast<QWidget*>(edit);
  if (!w) return nullptr;
  for (QObject* scope = w->parent(); scope; scope = scope->parent()) {
    for (QLabel* l : scope->findChildren<QLabel*>()) {
      if (l->buddy() == w) return l;
    }
  }
  return nullptr;
}

std::optional<QString> Caption(QObject* o) {
  if (auto* a = qobject_cast<QAction*>(o)) return a->text();
  if (auto* m = qobject_cast<QMenu*>(o)) return m->title();
  if (auto* w = qobject_cast<QWidget*>(o)) {
    int index = -1;
    if (QTabWidget* tabs = TabWidgetOf(w, &index)) return tabs->tabText(index);
  }
  if (auto* b = qobject_cast<QAbstractButton*>(o)) return b->text();
  if (auto* l = qobject_cast<QLabel*>(o)) return l->text();
  if (auto* g = qobject_cast<QGroupBox*>(o)) return g->title();
  return std::nullopt;
}

// Accessible names follow the caption unless someone gave a name of its own.
void FollowAccessibleName(QObject* o, const QString& oldText, const QString& text) {
  auto* w = qobject_cast<QWidget*>(o);
  if (w && w->accessibleName() == oldText && !oldText.isEmpty()) w->setAccessibleName(text);
}

void SetCaption(QObject* o, const QString& text) {
  const QString old = Caption(o).value_or(QString());
  if (auto* a = qobject_cast<QAction*>(o)) {
    a->setText(text);
    return;
  }
  if (auto* m = qobject_cast<QMenu*>(o)) {
    m->setTitle(text);
    return;
  }
  if (auto* w = qobject_cast<QWidget*>(o)) {
    int index = -1;
    if (QTabWidget* tabs = TabWidgetOf(w, &index)) {
      tabs->setTabText(index, text);
      FollowAccessibleName(o, old, text);
      return;
    }
  }
  if (auto* b = qobject_cast<QAbstractButton*>(o)) {
    b->setText(text);
  } else if (auto* l = qobject_cast<QLabel*>(o)) {
    l->setText(text);
  } else if (auto* g = qobject_cast<QGroupBox*>(o)) {
    g->setTitle(text);
  } else {
    return;
  }
  FollowAccessibleName(o, old, text);
}

QString ToQ(const std::string& s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

WidgetLanguageControls::WidgetLanguageControls(std::vector<QObject*> roots) {
  for (QObject* r : roots) roots_.emplace_back(r);
}

QObject* WidgetLanguageControls::Find(std::string_view name) const {
  const QString n = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  for (const auto& root : roots_) {
    if (!root) continue;
    if (root->objectName() == n) return root;
    if (QObject* o = root->findChild<QObject*>(n)) return o;
  }
  return nullptr;
}

std::optional<std::string> WidgetLanguageControls::GetText(std::string_view control,
                                                           LangTarget kind, int item) {
  QObject* o = Find(control);
  if (!o) return std::nullopt;
  switch (kind) {
    case LangTarget::Caption:
      if (auto c = Caption(o)) return c->toStdString();
      return std::nullopt;
    case LangTarget::Label:
      if (QVariant v = o->property("labelText"); v.isValid()) return v.toString().toStdString();
      if (QLabel* l = BuddyLabel(o)) return l->text().toStdString();
      return std::nullopt;
    case LangTarget::Item:
      if (auto* c = qobject_cast<QComboBox*>(o); c && item >= 0 && item < c->count()) {
        return c->itemText(item).toStdString();
      }
      return std::nullopt;
    case LangTarget::Member:
      return std::nullopt;
  }
  return std::nullopt;
}

void WidgetLanguageControls::SetText(std::string_view control, LangTarget kind, int item,
                                     const std::string& text) {
  QObject* o = Find(control);
  if (!o) return;
  const QString t = ToQ(text);
  switch (kind) {
    case LangTarget::Caption:
      SetCaption(o, t);
      break;
    case LangTarget::Label:
      if (o->property("labelText").isValid()) {
        o->setProperty("labelText", t);
      } else if (QLabel* l = BuddyLabel(o)) {
        SetCaption(l, t);
      }
      break;
    case LangTarget::Item:
      if (auto* c = qobject_cast<QComboBox*>(o); c && item >= 0 && item < c->count()) {
        c->setItemText(item, t);
      }
      break;
    case LangTarget::Member:
      break;
  }
}
