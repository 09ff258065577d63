#pragma once
// Helpers that make the window's controls: each carries its fixed name as
// its objectName, which the language loader and the tests find it by.
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QStringList>
#include <QTabWidget>

#include <type_traits>

#include "app/FormControls.h"

class QValidator;

template <class W>
W* Named(W* w, const char* name) {
  w->setObjectName(name);
  if constexpr (std::is_base_of_v<TLabeledEdit, W>)
    w->EditLabel->setObjectName(QString(name) + "_Label");
  return w;
}

QLabel* NewLabel(QWidget* parent, const char* name, const QString& caption);
TSpeedButton* NewButton(QWidget* parent, const char* name, const QString& caption);
// A list with its items, the first one chosen.
QComboBox* NewList(QWidget* parent, const char* name, const QStringList& items);
TLabeledEdit* NewLabeledEdit(QWidget* parent, const char* name, const QString& caption);
// A nine-digit MMSI edit: digits only, at most nine, "000000000" at first.
TEdit* NewMmsiEdit(QWidget* parent, const char* name);
// An SRM text: upper-case printable ASCII, at most 16, with its default.
TLabeledEdit* NewSrmTextEdit(QWidget* parent, const char* name, const QString& caption,
                             const QString& text);
// A read-only value with its caption.
TLabeledEdit* NewReadout(QWidget* parent, const char* name, const QString& caption);
// A plain tab page added to pages.
QWidget* NewPage(QTabWidget* pages, const char* name, const QString& caption);
// A form row of an edit and its own caption.
void AddRow(QFormLayout* form, TLabeledEdit* edit);
// The form layout of the configuration pages: captions right-aligned.
QFormLayout* NewPageForm();
// Device texts are printable ASCII; reserved characters are escaped on sending.
QValidator* PrintableAscii(QObject* parent);
// An MMSI as the pages show it: nine digits, with leading zeros.
QString NineDigits(long value);
