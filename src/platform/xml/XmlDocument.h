#pragma once

// An XML document of elements with text, parsed and written for the settings files.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <memory>
#include <vector>

#include "platform/rtl/Exception.h"

// An element of a settings document: its name, its own text and its child elements in document order.
// Only an element without children has its text written; adding a child drops the text. Attributes,
// comments and processing instructions are not kept.
// A child is found by name in constant time, however many siblings it has; freeing an element frees the
// elements below it without recursion, however deep the tree.
struct TXmlElement {
  explicit TXmlElement(const QString& AName) : Name(AName) {}
  ~TXmlElement();
  TXmlElement(const TXmlElement&) = delete;
  TXmlElement& operator=(const TXmlElement&) = delete;

  // The first child with that name; nullptr when there is none.
  TXmlElement* Child(const QString& AName) const;
  // Appends a child after the existing ones.
  TXmlElement& AddChild(const QString& AName);
  // Removes the first child with that name and everything below it, if there is one.
  void RemoveChild(const QString& AName);

  QString Name;
  QString Text;
  std::vector<std::unique_ptr<TXmlElement>> Children;

 private:
  // The first child of each name.
  QHash<QString, TXmlElement*> FPorNombre;
};

// The longest element name that the parser reads back, and the deepest nesting of elements that a
// document may have; a document nested deeper is damaged.
constexpr qsizetype MaxXmlNameLength = 4096;
constexpr int MaxXmlDepth = 1000;

// A document that cannot be read.
class EXmlError : public Exception {
 public:
  using Exception::Exception;
};

// Reads a document into ARoot, which must be empty; ARoot takes the document element's name. Raises
// EXmlError "Invalid Document" when something other than white space comes before the first "<" or when
// the elements nest deeper than MaxXmlDepth, and EXmlError with the parser's message when the document is
// not well formed; the elements read before the fault stay in ARoot. A document of white space alone, or
// empty, is no error and leaves ARoot as it is. A document that declares no encoding other than UTF-8 but
// holds bytes that are not UTF-8 (an edit in an 8-bit code page) is read with each such byte taken as its
// ISO-8859-1 character; AExacto, when given, then becomes false.
void ParseXml(const QByteArray& AData, TXmlElement& ARoot, bool* AExacto = nullptr);

// The document in UTF-8 with its declaration, indented by two blanks. Characters that XML cannot hold
// (control characters other than tab, line feed and carriage return, unpaired surrogates) are left out.
QByteArray SerializeXml(const TXmlElement& ARoot);
