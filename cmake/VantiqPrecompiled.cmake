# Precompiled headers. Most of a fresh build's time in the Qt and test
# targets goes into parsing the same library headers again for every file;
# each target parses them once instead. A header belongs in a list only when
# many of the target's files include it: every file of the target pays for
# loading the whole list.
option(VANTIQ_PRECOMPILE_HEADERS "Precompile the Qt, GoogleTest and standard headers" ON)

set(VANTIQ_PCH_STD
    <algorithm> <array> <cmath> <cstdint> <cstring> <filesystem> <functional> <map>
    <memory> <optional> <sstream> <string> <string_view> <utility> <vector>)
set(VANTIQ_PCH_QT_GUI
    <QColor> <QFont> <QFontMetricsF> <QImage> <QPainter> <QPainterPath> <QRectF> <QString>)
set(VANTIQ_PCH_QT_WIDGETS
    <QApplication> <QComboBox> <QDialog> <QDialogButtonBox> <QFileDialog> <QHeaderView>
    <QLabel> <QLineEdit> <QMainWindow> <QMessageBox> <QPrinter> <QPushButton> <QSpinBox>
    <QTableWidget> <QTreeView> <QVBoxLayout> <QWidget>)
set(VANTIQ_PCH_GTEST <gtest/gtest.h> <gmock/gmock.h>)
set(VANTIQ_PCH_QT_TEST <QSignalSpy> <QTest>)

# vantiq_precompile(target std|gui|widgets|test|gui-test): the header lists a
# target of that kind includes most.
function(vantiq_precompile target kind)
    if(NOT VANTIQ_PRECOMPILE_HEADERS)
        return()
    endif()
    set(headers ${VANTIQ_PCH_STD})
    if(kind MATCHES "^(gui|widgets|gui-test)$")
        list(APPEND headers ${VANTIQ_PCH_QT_GUI})
    endif()
    if(kind MATCHES "^(widgets|gui-test)$")
        list(APPEND headers ${VANTIQ_PCH_QT_WIDGETS})
    endif()
    if(kind MATCHES "^(test|gui-test)$")
        list(APPEND headers ${VANTIQ_PCH_GTEST})
    endif()
    if(kind STREQUAL "gui-test")
        list(APPEND headers ${VANTIQ_PCH_QT_TEST})
    endif()
    target_precompile_headers(${target} PRIVATE ${headers})
endfunction()
