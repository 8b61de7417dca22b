#ifndef QCM_ITEMCOLUMNS_H
#define QCM_ITEMCOLUMNS_H

// Column layout shared by every Type and Sample item of the measurement tree.
// Files, reports and the export read items column by column, so the order is
// a contract.
enum ItemColumn
{
    nameColumn = 0,
    swatchColumn = 1,
    value1Column = 2,
    value2Column = 3,
    value3Column = 4,
    timeColumn = 5,
    lightSourceColumn = 6,
    instrumentModelColumn = 7,
    caliberColumn = 8,
    lightModeColumn = 9,
    colorSpaceColumn = 10,
    formulaColumn = 11,
    illuminationColumn = 12,
    observerColumn = 13,
    averageTimesColumn = 14,
    averageCountColumn = 15,
    treeColumnCount = 17
};

#endif
