# Precompiled headers. Most of a fresh build's time in the Qt and test
# targets goes into parsing the same library headers again for every file;
# each target parses them once instead. A header belongs in a list only when
# many of the target's files include it: every file of the target pays for
# loading the whole list.
option(VANTIQ_PRECOMPILE_HEADERS "Precompile the Qt, GoogleTest and standard headers" ON)

set(VANTIQ_PCH_STD
    <algorithm> <array> <cmath> <cstdint> <cstring> <filesystem> <functional> <map>
    <memory> <optional> <sstream> <string> <string_view> <utility> <vector>)
set(VANTIQ_PCH_GUI
    <QColor> <QFont> <QFontMetricsF> <QImage> <QPainter> <QPainterPath> <QRectF> <QString>)
set(VANTIQ_PCH_WIDGETS
    <QApplication> <QComboBox> <QDialog> <QDialogButtonBox> <QFileDialog> <QHeaderView>
    <QLabel> <QLineEdit> <QMainWindow> <QMessageBox> <QPrinter> <QPushButton> <QSpinBox>
    <QTableWidget> <QTreeView> <QVBoxLayout> <QWidget>)
set(VANTIQ_PCH_GTEST <gtest/gtest.h> <gmock/gmock.h>)
set(VANTIQ_PCH_QTTEST <QSignalSpy> <QTest>)

# vantiq_precompile(target PART...): the header lists `target` includes most,
# each PART one of std, gui, widgets, gtest and qttest. In a unity build a
# target of one or two batches parses its headers once or twice anyway, and
# precompiling them costs more than that; it gets none.
function(vantiq_precompile target)
    if(NOT VANTIQ_PRECOMPILE_HEADERS)
        return()
    endif()
    get_target_property(sources ${target} SOURCES)
    list(FILTER sources INCLUDE REGEX "\\.cpp$")
    list(LENGTH sources files)
    math(EXPR two_batches "2 * ${VANTIQ_UNITY_BATCH_SIZE}")
    if(VANTIQ_UNITY_BUILD AND files LESS_EQUAL two_batches)
        return()
    endif()
    set(headers)
    foreach(part IN LISTS ARGN)
        string(TOUPPER ${part} part)
        list(APPEND headers ${VANTIQ_PCH_${part}})
    endforeach()
    target_precompile_headers(${target} PRIVATE ${headers})
endfunction()
