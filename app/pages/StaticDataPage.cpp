// The STATIC DATA page built, filled from the device's dump (a programmed MMSI
// locked, an unlisted ship type kept) and read back for the write and report.
#include "app/pages/StaticDataPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/core/ShipType.h"
#include "app/pages/PageBuild.h"
#include "ui/core/ConfigReport.h"

StaticDataPage::StaticDataPage(QTabWidget* pages) : QWidget(pages) {
  setObjectName("TabSheetStatic");
  pages->addTab(this, "STATIC DATA");
  auto* v = new QVBoxLayout(this);
  auto* form = NewPageForm();

  LabelMMSI = NewLabel(this, "LabelMMSI", "MMSI");
  MaskEditMMSI = NewMmsiEdit(this, "MaskEditMMSI");
  MaskEditMMSI->setMinimumWidth(120);
  LabelMMSICantProg = NewLabel(this, "LabelMMSICantProg", "");
  LabelMMSICantProg->setStyleSheet("color: #c00000;");
  LabelMMSICantProg->hide();
  auto* mmsiRow = new QHBoxLayout;
  mmsiRow->addWidget(MaskEditMMSI);
  mmsiRow->addWidget(LabelMMSICantProg);
  mmsiRow->addStretch(1);
  form->addRow(LabelMMSI, mmsiRow);

  lblEdtName = NewLabeledEdit(this, "lblEdtName", "Ship Name");
  lblEdtName->setMaxLength(20);
  lblEdtName->setMinimumWidth(240);
  AddRow(form, lblEdtName);
  lblEdtCallSign = NewLabeledEdit(this, "lblEdtCallSign", "Call Sign");
  lblEdtCallSign->setMaxLength(7);
  lblEdtCallSign->setMinimumWidth(120);
  AddRow(form, lblEdtCallSign);
  for (TLabeledEdit* edit : {lblEdtName, lblEdtCallSign}) {
    edit->SetUpperCaseOnly();
    edit->setValidator(PrintableAscii(edit));
  }

  LabelShipType = NewLabel(this, "LabelShipType", "Ship Type");
  cbxShipType = Named(new QComboBox(this), "cbxShipType");
  cbxShipType->setMinimumContentsLength(30);
  for (const SHIP_TYPE_ROW& row : ShipTypeTable)
    cbxShipType->addItem(QString::fromLatin1(row.text));
  cbxShipType->setCurrentIndex(0);
  stShipCargoType = NewLabel(this, "stShipCargoType", "0");
  stShipCargoType->setAlignment(Qt::AlignCenter);
  stShipCargoType->setMinimumWidth(48);
  stShipCargoType->setFrameShape(QFrame::StyledPanel);
  stShipCargoType->setStyleSheet("background: #ffff00; color: black;");
  auto* typeRow = new QHBoxLayout;
  typeRow->addWidget(cbxShipType);
  typeRow->addWidget(stShipCargoType);
  typeRow->addStretch(1);
  form->addRow(LabelShipType, typeRow);
  v->addLayout(form);

  GroupBoxDimension = Named(new QGroupBox("Ship's Dimension", this), "GroupBoxDimension");
  auto* dims = new QGridLayout(GroupBoxDimension);
  struct Dim {
    QSpinBox** spin;
    const char* name;
    const char* caption;
    int max;
  } list[] = {{&CSpinEditA, "CSpinEditA", "A", 511},
              {&CSpinEditB, "CSpinEditB", "B", 511},
              {&CSpinEditC, "CSpinEditC", "C", 63},
              {&CSpinEditD, "CSpinEditD", "D", 63}};
  int col = 0;
  for (auto& d : list) {
    *d.spin = Named(new QSpinBox(GroupBoxDimension), d.name);
    (*d.spin)->setRange(0, d.max);
    (*d.spin)->setMinimumWidth(72);
    auto* label = new QLabel(d.caption, GroupBoxDimension);
    label->setBuddy(*d.spin);
    dims->addWidget(label, 0, col++, Qt::AlignRight);
    dims->addWidget(*d.spin, 0, col++);
  }
  dims->setColumnStretch(col, 1);
  v->addWidget(GroupBoxDimension);

  SpeedButtonStaticData = NewButton(this, "SpeedButtonStaticData", "Config");
  SpeedButtonStaticData->hide();
  MemoRecord = Named(new QPlainTextEdit(this), "MemoRecord");
  MemoRecord->hide();
  v->addStretch(1);
  cbxShipTypeChange();

  connect(SpeedButtonStaticData, &QPushButton::clicked, this, &StaticDataPage::ConfigRequested);
  connect(cbxShipType, &QComboBox::currentIndexChanged, this, [this] { cbxShipTypeChange(); });
  // Only a row the user picks replaces a reported type that the list lacks.
  connect(cbxShipType, &QComboBox::activated, this, [this] { cbxShipCargoTypeClick(); });
}

StaticPageValues StaticDataPage::Values() const {
  StaticPageValues page;
  page.mmsiText = MaskEditMMSI->text().toStdString();
  page.mmsiEditable = MaskEditMMSI->isEnabled();
  page.name = lblEdtName->text().toLatin1().toStdString();
  page.callSign = lblEdtCallSign->text().toLatin1().toStdString();
  page.shipTypeRow = cbxShipType->currentIndex();
  page.keptShipType = keptShipType_;
  page.dimA = CSpinEditA->value();
  page.dimB = CSpinEditB->value();
  page.dimC = CSpinEditC->value();
  page.dimD = CSpinEditD->value();
  return page;
}

void StaticDataPage::ShowMmsi(uint32_t mmsi, const std::string& cantProgText) {
  const bool programmed = mmsi != 0;
  MaskEditMMSI->setEnabled(!programmed);
  LabelMMSICantProg->setVisible(programmed);
  if (programmed) {
    LabelMMSICantProg->setText(QString::fromStdString(cantProgText));
    MaskEditMMSI->setText(NineDigits(mmsi));
  }
}

void StaticDataPage::HideMmsiCantProg() { LabelMMSICantProg->hide(); }

void StaticDataPage::ShowName(const char* bytes) {
  lblEdtName->setText(QString::fromLatin1(bytes));
}

void StaticDataPage::ShowCallSign(const char* bytes) {
  lblEdtCallSign->setText(QString::fromLatin1(bytes));
}

void StaticDataPage::ShowReportedShipType(int code) {
  int row = FindShipTypeRow(code);
  if (row >= 0) {
    keptShipType_.reset();
    cbxShipType->setCurrentIndex(row);
    stShipCargoType->setText(QString::number(code));
  } else {
    keptShipType_ = static_cast<uint16_t>(code < 0 ? 0 : code > 256 ? 256 : code);
    cbxShipType->setCurrentIndex(0);
    stShipCargoType->setText("0");
  }
}

void StaticDataPage::ShowDimensions(int a, int b, int c, int d) {
  CSpinEditA->setValue(a);
  CSpinEditB->setValue(b);
  CSpinEditC->setValue(c);
  CSpinEditD->setValue(d);
}

void StaticDataPage::ShowRecord(const std::string& text) {
  MemoRecord->setPlainText(QString::fromStdString(text).remove('\r'));
}

void StaticDataPage::FillReport(CONFIG_REPORT_DATA& report) const {
  report.shipType = cbxShipType->currentText().toStdString();
}

void StaticDataPage::cbxShipTypeChange() {
  uint8_t code = 0;
  if (GetShipTypeCode(cbxShipType->currentIndex(), code))
    stShipCargoType->setText(QString::number(code));
}

void StaticDataPage::cbxShipCargoTypeClick() {
  keptShipType_.reset();
  cbxShipTypeChange();
}
