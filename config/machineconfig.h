#pragma once

#include <QString>
#include <array>

// The machine configuration: one program-wide record holding every configuration key after
// conversion. The fields carry the keys' own names (a blank in a key name becomes '_').
struct MachineConfig {
  static const QString kDefaultCopyright;
  static const QString kDefaultPassword;

  // How the three tare keys combine: tare per line, per cup, or incremental of n grams.
  enum class Tare { PerLine, PerCup, Incremental };

  int porta_com = 1;
  int porta_aux = 2;
  int porta_scarti = 3;
  int numlinee = 2;
  int numuscite = 8;
  int numtazze = 100;
  int tipoatt = 0;
  int totaligrammi = 1;
  int stampagrammi = 1;
  int archiviazione = 1;
  int stampa = 1;
  int txremoto = 0;
  int zeroencoder = 0;
  std::array<int, 4> inenc{20, 20, 20, 20};
  std::array<int, 4> fienc{80, 80, 80, 80};
  std::array<int, 4> kpeso{1000, 1000, 1000, 1000};
  int apermagn = 50;
  std::array<int, 30> uscita{};
  std::array<int, 4> qualitaL{};  // 0 to 4: quality 1 to 5 graded on the line
  bool rotdirectionRight = false;  // `rotdirection`: only "rigth" is right (clockwise)
  QString langinterface = QStringLiteral("it");
  int autorefresh = 0;
  QString prn_font_name = QStringLiteral("Arial");
  QString prn_font_size = QStringLiteral("8");
  QString prn_font_set = QStringLiteral("fsBold.");
  bool prnBold = true;  // from `prn_font_set`
  bool prnItalic = false;
  int lev_dtara = 1;
  bool taratazza = false;
  bool tarainc = false;
  int xmoltiply = 0;
  int durata_magneti = 50;
  QString copyrigth = kDefaultCopyright;
  int delay_tara = 0;
  int distanza_fc = 0;
  int point_gest = 0;
  QString password_inst = kDefaultPassword;
  bool v_tazzebad = false;
  std::array<int, 4> limpercq{};  // qualities 2 to 5
  int ritfc = 1;
  int ncopie = 1;
  QString direxp = QStringLiteral("c:\\camp");
  int fine_part_auto = 1;

  Tare tare() const;
  // The installation dialog's tare choice: 0 per line, 1 per cup, 2 to 7 incremental of 1
  // to 6 grams.
  int tareIndex() const;
  void setTareIndex(int index);
  // The tare letter of the configuration line: 'L', 'T' or the step digit.
  QChar tareLetter() const;

  // The weight multiplier as the lot editor uses it: at least 1.
  int multiplierAtLeastOne() const { return xmoltiply < 1 ? 1 : xmoltiply; }

  // The configuration line sent to the board with command "C": the 103-character base
  // line, and the 3-character suffix (tare letter and magnet duration).
  QString baseLine() const;
  QString suffix() const;
  // The 151-character legacy record written to "c31.cfg".
  QByteArray c31Record() const;
};
