#pragma once
// The primitives through which every loader reads the data file: cutting out the n-th item
// between pairs of a marker, splitting a record into comma-separated fields, and reading a
// field's plain text as text or number.

#include <QString>
#include <vector>

#include "numtext/NumberTypes.h"
#include "rtf/WorkingDocument.h"

namespace vantrel::datafile {

// Character positions are 16-bit Integers: a marker must begin at or before this position.
constexpr int kLastMarkerPosition = 32767;

// Leaves item iItemNo (between the (2k-1)-th and 2k-th occurrence of sTag, found ignoring case)
// as the whole document and returns "". With fewer items it returns "Data not found!", sets
// iItemNo to the number of items found and leaves the last item found (empty when none). One line
// break directly after the opening marker is dropped. Throws DataFileError for a missing closing
// marker or a marker beyond position 32767.
QString sDataUnpack(rtf::WorkingDocument& sData, Integer& iItemNo, const QString& sTag);

// Splits the document at its commas: aData becomes 0 ... n with the fields' rich text in
// 1 ... n (element 0 stays empty). Returns n.
Integer iDataExplt(rtf::WorkingDocument& sData, std::vector<rtf::RichText>& aData);

// A field is read by loading its rich text into the working document and taking the plain text.
QString fieldText(rtf::WorkingDocument& sData, const rtf::RichText& field);
// The field's number by the leading-number rule. Throws DataFileError when it does not fit.
Single fieldSingle(rtf::WorkingDocument& sData, const rtf::RichText& field);
Integer fieldInteger(rtf::WorkingDocument& sData, const rtf::RichText& field);
// The field's whole text as one number, rounded to an Integer. Throws DataFileError when the
// text is not a number or does not fit.
Integer fieldCompleteInteger(rtf::WorkingDocument& sData, const rtf::RichText& field);

// Splits the document into its fields (iDataExplt). A record of fewer than `minimum` fields is
// malformed: "the <what> has n field(s); it needs <minimum><needs>".
std::vector<rtf::RichText> splitRecord(rtf::WorkingDocument& sData, Integer minimum,
                                       const QString& what, const QString& needs = QString());
// Field k of a split record as a number, with "field k" as the place of an error.
Single recordSingle(rtf::WorkingDocument& sData, const std::vector<rtf::RichText>& fields, int k);
Integer recordInteger(rtf::WorkingDocument& sData, const std::vector<rtf::RichText>& fields, int k);
Integer recordCompleteInteger(rtf::WorkingDocument& sData, const std::vector<rtf::RichText>& fields,
                              int k);

// Cuts item itemNo of tag out of the document (sDataUnpack for one item, result ignored).
void cutItem(rtf::WorkingDocument& sData, Integer itemNo, const QString& tag);
// Number of items of tag in the document, at most limit (sDataUnpack's counting use).
Integer countItems(rtf::WorkingDocument& sData, Integer limit, const QString& tag);

}  // namespace vantrel::datafile
