#pragma once

// Capture parameters: named text values with precedence, saved to and loaded from a text file.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringConverter>

// A list of named text values, each with an optional precedence and an optional attached object, that can
// be saved to and loaded from a text file. Entries are kept in insertion order as name=value; the name is
// the text before the first "=" and is compared without regard to case unless CaseSensitive is set. The
// precedence of a value is a second entry, "@Pre:" + name, holding "U" (the value the user captured last
// wins) or "P" (the stored value wins). Line breaks in names and values are stored escaped, so that every
// entry is one line of the file; reading a value gives them back as CR LF.
class TqovParametrosCaptura {
 public:
  TqovParametrosCaptura() = default;
  // Frees the attached objects.
  ~TqovParametrosCaptura();
  TqovParametrosCaptura(const TqovParametrosCaptura&) = delete;
  TqovParametrosCaptura& operator=(const TqovParametrosCaptura&) = delete;

  // Sets the value (an empty one keeps the entry, as name=), then, when APrecedencia is not empty, its
  // precedence.
  void SetParamValue(const QString& AParamName, const QString& AParamValue, const QString& APrecedencia);
  // Raises Exception when there is no such entry or the precedence does not begin with "P" or "U".
  void SetParamPrecedencia(const QString& AParamName, const QString& APrecedencia);
  // Attaches the object to the entry, which is added when missing; an object attached before is not freed.
  void SetParamObject(const QString& AParamName, QObject* AObjeto);

  // The getters by position raise Exception for an index outside the list.
  QString GetParamName(int Index) const;
  // The value of the first entry with the name; the empty text when there is none.
  QString GetParamValue(const QString& AParamName) const;
  QString GetParamValue(int Index) const;
  // The value's precedence, PrecedenciaDefault when it has none; for a name beginning with "@Pre:", the value
  // of that entry itself.
  QString GetParamPrecedencia(const QString& AParamName) const;
  QString GetParamPrecedencia(int Index) const;
  // The attached object; null when there is none or it has been destroyed.
  QObject* GetParamObject(const QString& AParamName) const;
  QObject* GetParamObject(int Index) const;

  bool ParamExists(const QString& AParamName) const;
  // Removes the entry; its precedence entry and its object are left alone.
  void DeleteParam(const QString& AParamName);
  // Empties the list, freeing the attached objects first when LiberarObjetos is set.
  void Clear(bool LiberarObjetos);

  // The default to offer for a field: nothing for a stored "@NULL" (in any case); else with precedence "P"
  // the stored value, and otherwise the value captured last, each falling back to the other when empty.
  QString CalcParamDefault(const QString& AParamName, const QString& UltimoValorCapturado) const;

  // Writes one entry per line, each ended by CR LF, in ISO-8859-1 or in the encoding named by the byte-order
  // mark of the file last loaded. An empty list writes nothing: AMsgError gets the reason and the result is
  // false. Raises EFileError when the file cannot be written.
  bool SaveToFile(const QString& AFileName, QString& AMsgError) const;
  // Replaces the entries with the file's lines; the attached objects are dropped, not freed. Raises
  // EFileError when the file cannot be read, leaving the list as it was.
  bool LoadFromFile(const QString& AFileName);

  // The number of entries, precedence entries included.
  int Count() const { return static_cast<int>(FLista.size()); }
  // Every entry followed by CR LF.
  QString ParamsText() const;
  // Empties the list freeing the attached objects, then adds each line of the text.
  void SetParamsText(const QString& AValor);
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool AValor) { FCaseSensitive = AValor; }

  // The precedence of a value that has none of its own.
  QString PrecedenciaDefault = QStringLiteral("U");

 private:
  struct TEntrada {
    QString Texto;
    QPointer<QObject> Objeto{};
  };

  qsizetype IndiceDe(const QString& AParamName) const;
  // Sets the entry's value, appending name=value when there is no such entry.
  void SetEntrada(const QString& AParamName, const QString& AParamValue);
  void ValidarIndice(int Index) const;

  QList<TEntrada> FLista;
  bool FCaseSensitive = false;
  // Latin1 stands for the system's code page, written without a byte-order mark.
  QStringConverter::Encoding FCodificacion = QStringConverter::Latin1;
};
