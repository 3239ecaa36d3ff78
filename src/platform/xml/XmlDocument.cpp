#include "platform/xml/XmlDocument.h"

#include <QStringDecoder>
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

// Whether the document declares an encoding other than UTF-8, which the parser then applies itself.
bool DeclaraOtraCodificacion(const QByteArray& AData) {
  QXmlStreamReader lector(AData);
  while (!lector.atEnd()) {
    const QXmlStreamReader::TokenType tipo = lector.readNext();
    if (tipo == QXmlStreamReader::StartDocument) {
      const QString codificacion = lector.documentEncoding().toString();
      return !codificacion.isEmpty() && codificacion.compare(QStringLiteral("UTF-8"), Qt::CaseInsensitive) != 0;
    }
    if (tipo != QXmlStreamReader::NoToken) return false;
  }
  return false;
}

// The length of the valid UTF-8 sequence that starts at AInicio; 0 when none does.
qsizetype LargoSecuenciaUtf8(const QByteArray& AData, qsizetype AInicio) {
  const uchar c = static_cast<uchar>(AData[AInicio]);
  const qsizetype largo = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
  if (largo == 0 || AInicio + largo > AData.size()) return 0;
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString caracter = utf8(QByteArrayView(AData).sliced(AInicio, largo));
  return utf8.hasError() ? 0 : largo;
}

// The text of UTF-8 bytes in which a byte that begins no valid sequence stands for its character in the
// 8-bit code page of the system's older programs (ISO-8859-1); AExacto tells whether every byte was valid.
QString DecodificarUtf8Tolerante(const QByteArray& AData, bool& AExacto) {
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString texto = utf8(AData);
  AExacto = !utf8.hasError();
  if (AExacto) return texto;
  texto.clear();
  for (qsizetype i = 0; i < AData.size();) {
    const qsizetype largo = LargoSecuenciaUtf8(AData, i);
    if (largo > 0) {
      texto += QString::fromUtf8(QByteArrayView(AData).sliced(i, largo));
      i += largo;
    } else {
      texto += QChar(static_cast<uchar>(AData[i++]));
    }
  }
  return texto;
}

void EscribirElemento(QXmlStreamWriter& AEscritor, const TXmlElement& AElemento) {
  AEscritor.writeStartElement(AElemento.Name);
  if (AElemento.Children.empty()) EscribirTexto(AEscritor, AElemento.Text);
  for (const auto& hijo : AElemento.Children) EscribirElemento(AEscritor, *hijo);
  AEscritor.writeEndElement();
}

}  // namespace

TXmlElement::~TXmlElement() {
  // The elements below go one by one from a list of their own, so that no destructor runs inside another.
  std::vector<std::unique_ptr<TXmlElement>> pendientes = std::move(Children);
  while (!pendientes.empty()) {
    std::unique_ptr<TXmlElement> elemento = std::move(pendientes.back());
    pendientes.pop_back();
    for (auto& hijo : elemento->Children) pendientes.push_back(std::move(hijo));
    elemento->Children.clear();
  }
}

TXmlElement* TXmlElement::Child(const QString& AName) const { return FPorNombre.value(AName, nullptr); }

TXmlElement& TXmlElement::AddChild(const QString& AName) {
  Children.push_back(std::make_unique<TXmlElement>(AName));
  Text.clear();
  TXmlElement* hijo = Children.back().get();
  if (!FPorNombre.contains(AName)) FPorNombre.insert(AName, hijo);
  return *hijo;
}

void TXmlElement::RemoveChild(const QString& AName) {
  TXmlElement* hijo = Child(AName);
  if (hijo == nullptr) return;
  const auto posicion =
      std::find_if(Children.begin(), Children.end(), [hijo](const auto& e) { return e.get() == hijo; });
  const auto siguiente =
      std::find_if(posicion + 1, Children.end(), [&AName](const auto& e) { return e->Name == AName; });
  if (siguiente == Children.end())
    FPorNombre.remove(AName);
  else
    FPorNombre[AName] = siguiente->get();
  Children.erase(posicion);
}

void ParseXml(const QByteArray& AData, TXmlElement& ARoot, bool* AExacto) {
  bool vacio = false;
  if (!EmpiezaConEtiqueta(AData, vacio)) {
    if (vacio) return;
    throw EXmlError(QStringLiteral("Invalid Document"));
  }
  bool exacto = true;
  QXmlStreamReader lector;
  if (DeclaraOtraCodificacion(AData))
    lector.addData(AData);
  else
    lector.addData(DecodificarUtf8Tolerante(AData, exacto));
  if (AExacto != nullptr) *AExacto = exacto;
  lector.setNamespaceProcessing(false);
  std::vector<TXmlElement*> abiertos;
  while (!lector.atEnd()) {
    switch (lector.readNext()) {
      case QXmlStreamReader::StartElement:
        if (abiertos.size() > static_cast<size_t>(MaxXmlDepth))
          throw EXmlError(
              QStringLiteral("Invalid Document: the elements nest more than %1 levels deep.").arg(MaxXmlDepth));
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
