#include "FuentePixel.h"

#include <QHash>
#include <QPainter>
#include <stdexcept>

namespace {

// Each character's five rows, three dots a row, left dot first.
const QHash<QChar, const char*>& Glifos() {
  static const QHash<QChar, const char*> glifos{
      {'A', "010101111101101"}, {'B', "110101110101110"}, {'C', "011100100100011"}, {'D', "110101101101110"},
      {'E', "111100110100111"}, {'F', "111100110100100"}, {'G', "011100101101011"}, {'H', "101101111101101"},
      {'I', "111010010010111"}, {'J', "001001001101010"}, {'K', "101101110101101"}, {'L', "100100100100111"},
      {'M', "101111111101101"}, {'N', "110101101101101"}, {'O', "010101101101010"}, {'P', "110101110100100"},
      {'Q', "010101101110011"}, {'R', "110101110101101"}, {'S', "011100010001110"}, {'T', "111010010010010"},
      {'U', "101101101101111"}, {'V', "101101101101010"}, {'W', "101101111111101"}, {'X', "101101010101101"},
      {'Y', "101101010010010"}, {'Z', "111001010100111"}, {'0', "111101101101111"}, {'1', "010110010010111"},
      {'2', "110001010100111"}, {'3', "110001010001110"}, {'4', "101101111001001"}, {'5', "111100110001110"},
      {'6', "011100110101010"}, {'7', "111001010010010"}, {'8', "010101010101010"}, {'9', "010101011001110"},
      {'%', "101001010100101"}, {'?', "110001010000010"}, {'!', "010010010000010"}, {'+', "000010111010000"},
      {'-', "000000111000000"}, {'.', "000000000000010"}, {'/', "001001010100100"}, {'<', "001010100010001"},
      {'>', "100010001010100"}, {' ', "000000000000000"}};
  return glifos;
}

}  // namespace

void DibujarPatronPixel(QPainter& APintor, const QStringList& AFilas, int AX, int AY, int ADots, const QColor& AColor) {
  for (qsizetype fila = 0; fila < AFilas.size(); ++fila)
    for (qsizetype columna = 0; columna < AFilas[fila].size(); ++columna)
      if (AFilas[fila][columna] == QLatin1Char('#'))
        APintor.fillRect(AX + static_cast<int>(columna) * ADots, AY + static_cast<int>(fila) * ADots, ADots, ADots,
                         AColor);
}

int AnchoTextoPixel(const QString& ATexto, int ADots) {
  return ATexto.isEmpty() ? 0 : (4 * static_cast<int>(ATexto.size()) - 1) * ADots;
}

void DibujarTextoPixel(QPainter& APintor, const QString& ATexto, int AX, int AY, int ADots, const QColor& AColor) {
  for (qsizetype i = 0; i < ATexto.size(); ++i) {
    const char* filas = Glifos().value(ATexto[i].toUpper(), nullptr);
    if (!filas)
      throw std::invalid_argument("La fuente de puntos no tiene el caracter " + ATexto.mid(i, 1).toStdString());
    for (int punto = 0; punto < 15; ++punto)
      if (filas[punto] == '1')
        APintor.fillRect(AX + (4 * static_cast<int>(i) + punto % 3) * ADots, AY + punto / 3 * ADots, ADots, ADots,
                         AColor);
  }
}
