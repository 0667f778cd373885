#include "shell/apariencia.h"

#include "shell/archivoini.h"

#include <QApplication>
#include <QFileInfo>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

namespace orva::shell {
namespace {

const QString kSeccion = QStringLiteral("Configuración");

/// A skin: the base colours of its palette.
struct Skin {
    const char* nombre;
    QColor ventana, texto, base, alterna, boton, resalte;
};

QPalette paleta(const Skin& s) {
    QPalette p;
    p.setColor(QPalette::Window, s.ventana);
    p.setColor(QPalette::WindowText, s.texto);
    p.setColor(QPalette::Base, s.base);
    p.setColor(QPalette::AlternateBase, s.alterna);
    p.setColor(QPalette::ToolTipBase, s.base);
    p.setColor(QPalette::ToolTipText, s.texto);
    p.setColor(QPalette::PlaceholderText, s.texto.lighter(150));
    p.setColor(QPalette::Text, s.texto);
    p.setColor(QPalette::Button, s.boton);
    p.setColor(QPalette::ButtonText, s.texto);
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Highlight, s.resalte);
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, s.resalte);
    const QColor apagado = s.texto.value() > 128 ? s.texto.darker(180) : s.texto.lighter(300);
    for (auto rol : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, rol, apagado);
    return p;
}

const QList<Skin>& skins() {
    static const QList<Skin> lista = {
        {"Office2013White", QColor(0xFF, 0xFF, 0xFF), QColor(0x26, 0x26, 0x26), Qt::white,
         QColor(0xF3, 0xF3, 0xF3), QColor(0xFA, 0xFA, 0xFA), QColor(0x21, 0x73, 0xB8)},
        {"Office2010Silver", QColor(0xE9, 0xED, 0xF1), QColor(0x1E, 0x1E, 0x1E), Qt::white,
         QColor(0xEE, 0xF1, 0xF5), QColor(0xDD, 0xE3, 0xEA), QColor(0x4A, 0x7E, 0xBB)},
        {"Office2010Blue", QColor(0xCF, 0xDD, 0xEE), QColor(0x15, 0x42, 0x8B), Qt::white,
         QColor(0xE3, 0xEC, 0xF7), QColor(0xDB, 0xE7, 0xF5), QColor(0x3D, 0x6F, 0xB8)},
        {"Office2016Dark", QColor(0x35, 0x35, 0x35), QColor(0xE8, 0xE8, 0xE8),
         QColor(0x25, 0x25, 0x25), QColor(0x2E, 0x2E, 0x2E), QColor(0x45, 0x45, 0x45),
         QColor(0x2A, 0x82, 0xDA)},
        {"VisualStudio2013Dark", QColor(0x2D, 0x2D, 0x30), QColor(0xF1, 0xF1, 0xF1),
         QColor(0x1E, 0x1E, 0x1E), QColor(0x25, 0x25, 0x26), QColor(0x3F, 0x3F, 0x46),
         QColor(0x00, 0x7A, 0xCC)},
    };
    return lista;
}

QString& actual() {
    static QString nombre = QStringLiteral("Office2013White");
    return nombre;
}

} // namespace

QString ArchivoApariencia(const QString& carpeta) {
    return carpeta + QStringLiteral("image.ini");
}

QString RestaurarApariencia(const QString& archivo, Apariencia& a) {
    QString resultado;
    if (QFileInfo::exists(archivo)) {
        const platform::IniFile ini = LeerIni(archivo);
        a.wallpaper = ini.value(kSeccion, QStringLiteral("wallpaper"), a.wallpaper);
        a.estado = ini.value(kSeccion, QStringLiteral("estado"), a.estado);
        a.skincolor = ini.value(kSeccion, QStringLiteral("skincolor"), a.skincolor);
        if (!a.skincolor.isEmpty())
            AplicarSkin(a.skincolor);
        const QString sufijo = QFileInfo(a.wallpaper).suffix();
        if ((sufijo.compare(u"jpg", Qt::CaseInsensitive) == 0 ||
             sufijo.compare(u"bmp", Qt::CaseInsensitive) == 0) &&
            QFileInfo(a.wallpaper).isFile())
            resultado = a.wallpaper;
    }
    if (resultado.isEmpty()) {
        platform::IniFile ini = LeerIni(archivo);
        ini.setValue(kSeccion, QStringLiteral("wallpaper"), QString());
        ini.setValue(kSeccion, QStringLiteral("estado"), QStringLiteral("bmCenter"));
        ini.setValue(kSeccion, QStringLiteral("skincolor"), a.skincolor);
        EscribirIni(ini, archivo);
    }
    return resultado;
}

void GuardarSkin(const QString& archivo, const QString& skin) {
    platform::IniFile ini = LeerIni(archivo);
    ini.setValue(kSeccion, QStringLiteral("skincolor"), skin);
    EscribirIni(ini, archivo);
}

QStringList NombresSkins() {
    QStringList nombres;
    for (const Skin& s : skins())
        nombres << QString::fromLatin1(s.nombre);
    return nombres;
}

bool AplicarSkin(const QString& skin) {
    for (const Skin& s : skins()) {
        if (skin.compare(QString::fromLatin1(s.nombre), Qt::CaseInsensitive) != 0)
            continue;
        if (QStyle* estilo = QStyleFactory::create(QStringLiteral("Fusion")))
            QApplication::setStyle(estilo);
        QApplication::setPalette(paleta(s));
        actual() = QString::fromLatin1(s.nombre);
        return true;
    }
    return false;
}

QString SkinActual() {
    return actual();
}

} // namespace orva::shell
