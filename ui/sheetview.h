#pragma once

#include "sheet.h"

#include <QWidget>

#include <memory>

// The installation sheet's first page, scaled to fit, as a plan stands.
class SheetView : public QWidget
{
    Q_OBJECT

public:
    explicit SheetView(QWidget *parent = nullptr);

    // None: an empty page.
    void setSheet(std::unique_ptr<InstallationSheet> sheet);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::unique_ptr<InstallationSheet> shown;
};
