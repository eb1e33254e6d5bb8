#include "form1.h"

#include <QTabWidget>

namespace ui {

Form1::Form1(const Form1Services& services, QWidget* parent)
    : QMainWindow(parent), m_services(services) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tomoe!オークション "));
    m_SSTab1 = new QTabWidget(this);
    m_SSTab1->setObjectName(QStringLiteral("SSTab1"));
    setCentralWidget(m_SSTab1);
}

} // namespace ui
