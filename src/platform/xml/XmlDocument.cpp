#include "platform/xml/XmlDocument.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <algorithm>

namespace {

constexpr int Sangria = 2;

bool EsEspacioXml(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool EsCaracterXml(char16_t c) {
  return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD);
}

// Whether the document's first character that is not white space (after a byte-order mark) opens a tag;
// AVacio tells that there is no such character.
bool EmpiezaConEtiqueta(const QByteArray& AData, bool& AVacio) {
  const QByteArray marcaOrden("\xEF\xBB\xBF");
  qsizetype i = AData.startsWith(marcaOrden) ? marcaOrden.size() : 0;
  while (i < AData.size() && EsEspacioXml(AData.at(i))) ++i;
  AVacio = i == AData.size();
  return !AVacio && AData.at(i) == '<';
}

// A literal carriage return would come back as a line feed, since parsers normalise line ends; it is
// written as a character reference instead.
void EscribirTexto(QXmlStreamWriter& AEscritor, const QString& ATexto) {
  QString tramo;
  for (qsizetype i = 0; i < ATexto.size(); ++i) {
    const QChar c = ATexto.at(i);
    if (c.isHighSurrogate() && i + 1 < ATexto.size() && ATexto.at(i + 1).isLowSurrogate()) {
      tramo += c;
      tramo += ATexto.at(++i);
    } else if (c == QLatin1Char('\r')) {
      AEscritor.writeCharacters(tramo);
      tramo.clear();
      AEscritor.writeEntityReference(QStringLiteral("#xd"));
    } else if (EsCaracterXml(c.unicode())) {
      tramo += c;
    }
  }
  if (!tramo.isEmpty()) AEscritor.writeCharacters(tramo);
}

void EscribirElemento(QXmlStreamWriter& AEscritor, const TXmlElement& AElemento) {
  AEscritor.writeStartElement(AElemento.Name);
  if (AElemento.Children.empty()) EscribirTexto(AEscritor, AElemento.Text);
  for (const auto& hijo : AElemento.Children) EscribirElemento(AEscritor, *hijo);
  AEscritor.writeEndElement();
}

}  // namespace

TXmlElement* TXmlElement::Child(const QString& AName) const {
  const auto hijo =
      std::find_if(Children.begin(), Children.end(), [&AName](const auto& e) { return e->Name == AName; });
  return hijo == Children.end() ? nullptr : hijo->get();
}

TXmlElement& TXmlElement::AddChild(const QString& AName) {
  Children.push_back(std::make_unique<TXmlElement>(AName));
  Text.clear();
  return *Children.back();
}

void TXmlElement::RemoveChild(const QString& AName) {
  const auto hijo =
      std::find_if(Children.begin(), Children.end(), [&AName](const auto& e) { return e->Name == AName; });
  if (hijo != Children.end()) Children.erase(hijo);
}

void ParseXml(const QByteArray& AData, TXmlElement& ARoot) {
  bool vacio = false;
  if (!EmpiezaConEtiqueta(AData, vacio)) {
    if (vacio) return;
    throw EXmlError(QStringLiteral("Invalid Document"));
  }
  QXmlStreamReader lector(AData);
  lector.setNamespaceProcessing(false);
  std::vector<TXmlElement*> abiertos;
  while (!lector.atEnd()) {
    switch (lector.readNext()) {
      case QXmlStreamReader::StartElement:
        if (abiertos.empty()) {
          ARoot.Name = lector.qualifiedName().toString();
          abiertos.push_back(&ARoot);
        } else {
          abiertos.push_back(&abiertos.back()->AddChild(lector.qualifiedName().toString()));
        }
        break;
      case QXmlStreamReader::Characters:
        // Between child elements this is only the indentation.
        if (!abiertos.empty() && abiertos.back()->Children.empty()) abiertos.back()->Text += lector.text();
        break;
      case QXmlStreamReader::EndElement:
        abiertos.pop_back();
        break;
      default:
        break;
    }
  }
  if (lector.hasError()) throw EXmlError(lector.errorString());
}

QByteArray SerializeXml(const TXmlElement& ARoot) {
  QByteArray datos;
  QXmlStreamWriter escritor(&datos);
  escritor.setAutoFormatting(true);
  escritor.setAutoFormattingIndent(Sangria);
  escritor.writeStartDocument();
  EscribirElemento(escritor, ARoot);
  escritor.writeEndDocument();
  return datos;
}
