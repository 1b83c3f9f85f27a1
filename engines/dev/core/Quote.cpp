#include "dev/core/Quote.h"

#include "dev/core/QuoteDocument.h"

namespace vantor::devengine {

bool WriteQuotePdf(const QString& AFile, const Quote& AQuote)
{
    return WriteQuoteDocumentPdf(AFile, DocumentOf(AQuote));
}

} // namespace vantor::devengine
