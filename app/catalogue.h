#pragma once

#include <QByteArray>
#include <QString>

class QTranslator;

// Whether `data` is a compiled catalogue that the toolkit can look texts up
// in without reading outside it: the header, every block, every message
// record and every offset into them lie inside the data, and it names no
// other catalogue to load. The toolkit itself checks only the header and
// the block lengths, and a damaged record then crashes the first look-up.
bool isSoundCatalogue(const QByteArray &data);

// Loads the catalogue `name` (for example "vantir_de_DE") from `folder`, the
// working directory when empty, trying the names the toolkit tries, in its
// order: the name with ".qm" and without, then shortened at its last "_" or
// "." and tried again. Unlike the toolkit it passes over a file that is not
// sound instead of stopping there. Returns whether a catalogue was loaded.
bool loadCheckedCatalogue(QTranslator &translator, const QString &name,
                          const QString &folder = QString());
