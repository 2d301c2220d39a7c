// The bar over the object list that narrows it: a text field, a type choice
// and a "Missing rights" toggle. Every change is reported at once; Escape
// clears the filter and closes the bar.
#pragma once

#include "core/filter/objectfilter.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QToolButton;

class TFilterBar : public QWidget {
    Q_OBJECT

public:
    explicit TFilterBar(QWidget *parent = nullptr);

    TObjectFilter Filter() const;
    // The type list offers these types after "All Types"; the type chosen
    // stays chosen while it is offered, else the list goes back to all.
    void SetTypes(const std::vector<TTypePresent> &types);
    // Shows the bar and puts the cursor into the text, all of it selected.
    void Activate();
    // Empties the filter (reported once, when it wasn't empty) and hides the bar.
    void ClearAndClose();

    QLineEdit *edtFilterText;
    QComboBox *cboFilterType;
    QCheckBox *chkMissingRights;
    QToolButton *cmdCloseFilter;

signals:
    void FilterChanged();
    // Escape or the close button: the filter is empty and the bar hidden.
    void Closed();

protected:
    void changeEvent(QEvent *event) override;

private:
    void RetranslateUi();
    void ReportChange();
    TTypePresent ChosenType() const; // all types: otNone without a name

    std::vector<TTypePresent> Types; // after "All Types", in the list's order
    TObjectFilter Reported;
};
