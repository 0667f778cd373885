#!/usr/bin/env python3
"""Writes the SQL of a demo database for Orva on standard output.

    demo_data.py --people N [--seed S] [--year Y]

Deterministic: the same seed, size and year give the same rows. The year is
the one validity years and movement dates are placed around (default: the
current year). The demo organisation works in the state of Hidalgo (key 53).

Users: "admin" (password "Admin2026", kept in clear: the administrator's
login compares it as stored) and "capturista" (password "Captura2026",
stored with AES_ENCRYPT and the program's key), whose role grants some
modules only and who works with two structures.
"""
import argparse
import datetime
import random
import sys

import demo_names as nm

AES_KEY = "RTV8493"
ESTADO_TRABAJO = 53  # Hidalgo
PAIS_MEXICO = 71
SECCION_TRAMITE = 44  # section given to people whose credential is in paperwork
BATCH = 1000


def lit(value):
    if value is None:
        return "NULL"
    if isinstance(value, bool):
        return "1" if value else "0"
    if isinstance(value, (int, float)):
        return str(value)
    if isinstance(value, (datetime.date, datetime.datetime)):
        return "'" + value.isoformat(sep=" ") + "'" if isinstance(value, datetime.datetime) \
            else "'" + value.isoformat() + "'"
    if isinstance(value, Raw):
        return value.sql
    return "'" + str(value).replace("\\", "\\\\").replace("'", "''") + "'"


class Raw:
    """SQL written as is (a function call)."""

    def __init__(self, sql):
        self.sql = sql


class Writer:
    def __init__(self, out):
        self.out = out

    def insert(self, table, columns, rows):
        rows = list(rows)
        head = f"INSERT INTO {table} ({', '.join(columns)}) VALUES\n"
        for start in range(0, len(rows), BATCH):
            chunk = rows[start:start + BATCH]
            body = ",\n".join("(" + ", ".join(lit(v) for v in row) + ")" for row in chunk)
            self.out.write(head + body + ";\n")


def si_no(flag):
    return "Si" if flag else "No"


class Demo:
    def __init__(self, people, seed, year):
        self.n = people
        self.rnd = random.Random(seed)
        self.year = year
        self.today = datetime.date(year, 6, 15)

    # --- geography -----------------------------------------------------------------
    def geography(self, w):
        w.insert("master_pais", ["IdPais", "SCodigo", "SPais", "EActivo"],
                 [(PAIS_MEXICO, "MX", "MÉXICO", "Si"), (1, "US", "ESTADOS UNIDOS", "Si")])
        self.estados = [(40 + i + 1, name) for i, name in enumerate(nm.ESTADOS)]
        w.insert("master_estado", ["IdEstado", "SCodigo", "IdPais", "SEstado", "EActivo"],
                 [(i, f"EST{i:06d}", PAIS_MEXICO, name, "Si") for i, name in self.estados])

        zonas = []
        for z in range(1, 7):
            zonas.append((z, f"ZON{z:06d}", ESTADO_TRABAJO, f"ZONA {z}", "Si"))
        self.zonas = [z[0] for z in zonas]
        w.insert("activ_zonas", ["IdZona", "SCodigo", "IdEstado", "SDescripcion", "EActivo"], zonas)

        municipios, secciones, localidades, cps = [], [], [], []
        self.secciones_de = {}
        self.localidades_de = {}
        self.cps_de = {}
        id_sec = id_loc = id_cp = 0
        for m, (nombre, prefijo) in enumerate(nm.MUNICIPIOS, start=1):
            municipios.append((m, f"MUN{m:06d}", ESTADO_TRABAJO, nombre, "Si"))
            self.secciones_de[m] = []
            self.localidades_de[m] = []
            self.cps_de[m] = []
            for _ in range(self.rnd.randint(6, 14)):
                id_sec += 1
                secciones.append((id_sec, m, f"{id_sec + 200:04d}", "Si"))
                self.secciones_de[m].append(id_sec)
                for _ in range(self.rnd.randint(1, 3)):
                    id_loc += 1
                    colonia = self.rnd.choice(nm.COLONIAS)
                    zona = self.zonas[(m - 1) % len(self.zonas)]
                    localidades.append((id_loc, f"LOC{id_loc:06d}", m, id_sec, zona,
                                        f"{colonia}, {nombre}", "Si"))
                    self.localidades_de[m].append((id_loc, id_sec))
            for k in range(self.rnd.randint(3, 8)):
                id_cp += 1
                cps.append((id_cp, f"CP{id_cp:06d}", f"{prefijo}{k * 7 % 100:02d}", "Si"))
                self.cps_de[m].append(id_cp)
        self.municipios = [m[0] for m in municipios]
        # Section 44 always exists: people in paperwork are filed under it.
        assert id_sec >= SECCION_TRAMITE
        w.insert("master_municipios", ["IdMunicipio", "SCodigo", "IdEstado", "SDescripcion",
                                       "EActivo"], municipios)
        w.insert("activ_secciones", ["IdSeccion", "IdMunicipio", "SSeccion", "EActivo"], secciones)
        w.insert("master_localidades", ["IdLocalidad", "SCodigo", "IdMunicipio", "IdSeccion",
                                        "IdZona", "SLocalidad", "EActivo"], localidades)
        w.insert("master_codigo_postal", ["IdCodigoPostal", "SCodigo", "SCodigoPostal", "EActivo"],
                 cps)

    # --- organisation catalogs ----------------------------------------------------------
    def organisation(self, w):
        estructuras = ["ESTRUCTURA TERRITORIAL", "ESTRUCTURA JUVENIL", "ESTRUCTURA DE MUJERES",
                       "ESTRUCTURA SINDICAL", "ESTRUCTURA MAGISTERIAL", "ESTRUCTURA CAMPESINA",
                       "ESTRUCTURA DE PROFESIONISTAS", "ESTRUCTURA DE COLONOS"]
        self.estructuras = list(range(1, len(estructuras) + 1))
        w.insert("activ_estructuras", ["IdEstructura", "SCodigo", "SDescripcion", "EActivo"],
                 [(i, f"ETR{i:06d}", d, "Si") for i, d in enumerate(estructuras, start=1)])
        grados = ["PRIMARIA", "SECUNDARIA", "BACHILLERATO", "LICENCIATURA", "POSGRADO",
                  "SIN ESTUDIOS"]
        w.insert("activ_grado_estudios", ["IdGradoEstudios", "sCodigo", "sDescripcion", "EActivo"],
                 [(i, f"GES{i:06d}", d, "Si") for i, d in enumerate(grados, start=1)])
        civil = ["SOLTERO(A)", "CASADO(A)", "UNIÓN LIBRE", "DIVORCIADO(A)", "VIUDO(A)"]
        w.insert("activ_estado_civil", ["IdEstadoCivil", "SCodigo", "SDescripcion", "EActivo"],
                 [(i, f"ECV{i:06d}", d, "Si") for i, d in enumerate(civil, start=1)])
        motivos = [("Alta", "NUEVO INGRESO"), ("Alta", "INVITACIÓN DE LÍDER"),
                   ("Baja", "CAMBIO DE DOMICILIO"), ("Baja", "RENUNCIA"),
                   ("Modificación", "CAMBIO DE ESTRUCTURA"), ("Modificación", "PROMOCIÓN"),
                   ("Reingreso", "REGRESO A LA ESTRUCTURA")]
        self.motivos = {}
        rows = []
        for i, (tipo, d) in enumerate(motivos, start=1):
            self.motivos.setdefault(tipo, []).append(i)
            rows.append((i, f"MOT{i:06d}", d, tipo, "Si"))
        w.insert("activ_motivos", ["IdMotivo", "SCodigo", "sDescripcion", "ETipoMovimiento",
                                   "EActivo"], rows)
        partidos = [("PARTIDO AZUL", "#1F4E9C"), ("PARTIDO VERDE", "#2E8B57"),
                    ("PARTIDO GUINDA", "#8B1E3F")]
        w.insert("activ_partidos", ["IdPartido", "SCodigo", "SNombre", "SColor", "EActivo"],
                 [(i, f"PAR{i:06d}", n, c, "Si") for i, (n, c) in enumerate(partidos, start=1)])
        w.insert("activ_candidatos", ["IdCandidato", "IdPartido", "SNombre", "EActivo"],
                 [(1, 1, "LAURA ISLAS TREJO", "Si"), (2, 2, "MARIO OLVERA CRUZ", "Si"),
                  (3, 3, "ROSA ANGELES SOTO", "Si")])
        w.insert("activ_tipos_campania", ["IdTipoCampania", "SDescripcion", "EActivo"],
                 [(1, "GUBERNATURA", "Si"), (2, "PRESIDENCIA MUNICIPAL", "Si"),
                  (3, "DIPUTACIÓN LOCAL", "Si")])
        w.insert("activ_campanias", ["IdCampania", "SDescripcion", "IAnio", "IdPartido",
                                     "IdCandidato", "IdTipoCampania", "IdEstado", "IdMunicipio",
                                     "IdZona"],
                 [(1, f"CAMPAÑA ESTATAL {self.year - 1}", self.year - 1, 1, 1, 1, ESTADO_TRABAJO,
                   1, 1),
                  (2, f"CAMPAÑA MUNICIPAL {self.year}", self.year, 2, 2, 2, ESTADO_TRABAJO, 1, 2)])
        conceptos = ["DESPENSA", "APOYO ECONÓMICO", "MATERIAL DE CONSTRUCCIÓN", "BECA ESCOLAR",
                     "MEDICAMENTOS", "TRANSPORTE"]
        self.conceptos = list(range(1, len(conceptos) + 1))
        w.insert("activ_conceptos_apoyos", ["IdConcepto", "SCodigo", "SConcepto", "EActivo"],
                 [(i, f"APC{i:06d}", d, "Si") for i, d in enumerate(conceptos, start=1)])
        casillas = []
        for i in range(1, 21):
            lat = 20.10 + self.rnd.uniform(-0.08, 0.08)
            lon = -98.75 + self.rnd.uniform(-0.08, 0.08)
            located = i % 5 != 0
            casillas.append((i, f"CAS{i:06d}", 1 + i % 2, self.zonas[i % len(self.zonas)],
                             f"ESCUELA PRIMARIA {self.rnd.choice(nm.CALLES)} No. {i}", "Si",
                             f"{lat:.6f}" if located else "", f"{lon:.6f}" if located else ""))
        w.insert("activ_casillas", ["IdCasilla", "SCodigo", "IdCampania", "IdZona", "SDireccion",
                                    "EActivo", "SLatitud", "SLongitud"], casillas)

    # --- people --------------------------------------------------------------------------
    def clave_elector(self, paterno, materno, nombre, nacimiento, sexo, serial):
        def consonant(word):
            for ch in word[1:]:
                if ch in "BCDFGHJKLMNPQRSTVWXYZ":
                    return ch
            return "X"

        def ascii_letter(ch):
            return {"Ñ": "X"}.get(ch, ch)

        head = (paterno[0] + consonant(paterno) + materno[0] + consonant(materno) + nombre[0]
                + consonant(nombre))
        head = "".join(ascii_letter(c) for c in head)
        fecha = nacimiento.strftime("%y%m%d")
        sex = "H" if sexo == "Hombre" else "M"
        # Six letters, birth date, state, sex and three characters that tell twins apart.
        return f"{head}{fecha}13{sex}{self.base36(serial % 36 ** 3)}"

    @staticmethod
    def base36(n):
        digits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"
        s = ""
        while n:
            n, r = divmod(n, 36)
            s = digits[r] + s
        return s.rjust(3, "0")

    def people(self, w):
        cols = ["IdPersonal", "SCodigo", "SNombre", "SAPaterno", "SAMaterno", "ESexo",
                "DFechaNacimiento", "SINE", "IVigencia", "ETramiteINE", "SCurp", "STelefono",
                "SCorreoElectronico", "SDomicilio", "IdCodigoPostal", "IdMunicipio", "IdSeccion",
                "IdLocalidad", "Activo", "FechaAlta", "SURL_Foto", "SRUL_Huella"]
        rows = []
        seen = set()
        self.persona = {}
        for i in range(1, self.n + 1):
            r = self.rnd
            sexo = "Hombre" if r.random() < 0.48 else "Mujer"
            nombre = r.choice(nm.NOMBRES_H if sexo == "Hombre" else nm.NOMBRES_M)
            if r.random() < 0.3:
                nombre += " " + r.choice(nm.NOMBRES_H if sexo == "Hombre" else nm.NOMBRES_M)
            paterno, materno = r.choice(nm.APELLIDOS), r.choice(nm.APELLIDOS)
            nacimiento = datetime.date(self.year - r.randint(18, 80), r.randint(1, 12),
                                       r.randint(1, 28))
            m = r.choice(self.municipios)
            tramite = r.random() < 0.03
            if tramite:
                ine, vigencia, seccion = "-", None, SECCION_TRAMITE
                localidad = r.choice(self.localidades_de[m])[0]
            else:
                ine = self.unique_key(paterno, materno, nombre, nacimiento, sexo, i, seen)
                # A few expired credentials, most valid for some years more.
                vigencia = self.year + r.choice([-3, -2, -1, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9])
                localidad, seccion = r.choice(self.localidades_de[m])
            curp = (ine[:10] if ine != "-" else paterno[:2] + materno[0] + nombre[0] +
                    nacimiento.strftime("%y%m%d")) + ("H" if sexo == "Hombre" else "M") + "HG" + \
                f"{i % 100000:05d}"[:5]
            alta = self.today - datetime.timedelta(days=r.randint(0, 900))
            telefono = f"(771){r.randint(100, 999)}-{r.randint(100, 999)} {r.randint(0, 9)}"
            correo = f"{nombre.split()[0].lower()}.{paterno.lower()}{i}@correo.mx".replace("ñ", "n")
            domicilio = f"{r.choice(nm.CALLES)} {r.randint(1, 999)}, COL. {r.choice(nm.COLONIAS)}"
            rows.append((i, f"PER{i:07d}", nombre, paterno, materno, sexo, nacimiento, ine,
                         vigencia, si_no(tramite), curp[:18], telefono, correo,
                         "" if tramite and r.random() < 0.5 else domicilio,
                         r.choice(self.cps_de[m]), m, seccion, localidad,
                         "Si" if r.random() < 0.97 else "No", alta, "", None))
            self.persona[i] = (ine, localidad)
        w.insert("master_personal", cols, rows)

    def unique_key(self, paterno, materno, nombre, nacimiento, sexo, serial, seen):
        key = self.clave_elector(paterno, materno, nombre, nacimiento, sexo, serial)
        while key in seen:
            serial += 7919
            key = key[:15] + self.base36(serial % 36 ** 3)
        seen.add(key)
        return key

    # --- structures and movements ---------------------------------------------------------
    def assignments(self, w):
        cols = ["IdAsignacion", "IdPersonal", "SINE", "IdEstructura", "IdCargo", "IdLider",
                "IdCoordinador", "IdCoordinadorIndep", "IdActivista", "DFechaMovimiento",
                "ETipoMovimiento", "IdMotivo", "IdZona", "IdGradoEstudios", "IdEstadoCivil",
                "SFaceBook", "STwitter", "IdLocalidad", "IdUsuarioRealizo", "EActualMov"]
        r = self.rnd
        rows = []
        ids = list(range(1, self.n + 1))
        r.shuffle(ids)
        placed = ids[: int(self.n * 0.85)]
        lideres = {e: [] for e in self.estructuras}
        coords = {e: [] for e in self.estructuras}
        activistas = {e: [] for e in self.estructuras}
        next_id = 0

        def movement(person, estructura, cargo, lider, coord, indep, activista, when, tipo,
                     actual):
            nonlocal next_id
            next_id += 1
            ine, localidad = self.persona[person]
            rows.append((next_id, person, ine, estructura, cargo, lider, coord, indep, activista,
                         when, tipo, r.choice(self.motivos[tipo]), r.choice(self.zonas),
                         r.randint(1, 6), r.randint(1, 5),
                         f"fb.{person}" if r.random() < 0.3 else "",
                         f"@tw{person}" if r.random() < 0.2 else "", localidad,
                         1 if r.random() < 0.7 else 2, si_no(actual)))

        for k, person in enumerate(placed):
            estructura = self.estructuras[k % len(self.estructuras)]
            share = k / max(1, len(placed))
            if share < 0.02 or not lideres[estructura]:
                cargo, lider, coord, activista = 1, 0, 0, 0
            elif share < 0.10 or not coords[estructura]:
                cargo, lider, coord, activista = 2, r.choice(lideres[estructura]), 0, 0
            elif share < 0.40 or not activistas[estructura]:
                cargo = 3
                lider = r.choice(lideres[estructura])
                coord, activista = r.choice(coords[estructura]), 0
            else:
                cargo = 4  # promoted person, under an activist
                lider = r.choice(lideres[estructura])
                coord = r.choice(coords[estructura])
                activista = r.choice(activistas[estructura])
            {1: lideres, 2: coords, 3: activistas}.get(cargo, {}).setdefault(estructura,
                                                                             []).append(person)
            indep = r.choice(coords[estructura]) if cargo >= 3 and r.random() < 0.1 else 0
            alta = self.today - datetime.timedelta(days=r.randint(200, 1200))
            if r.random() < 0.15:
                # An earlier movement, then the current one.
                otra = self.estructuras[(k + 3) % len(self.estructuras)]
                movement(person, otra, cargo, 0, 0, 0, 0, alta, "Alta", False)
                later = alta + datetime.timedelta(days=r.randint(30, 180))
                movement(person, estructura, cargo, lider, coord, indep, activista, later,
                         r.choice(["Modificación", "Reingreso"]), True)
            else:
                movement(person, estructura, cargo, lider, coord, indep, activista, alta, "Alta",
                         True)
        w.insert("activ_asignaciones", cols, rows)

    def apoyos(self, w):
        r = self.rnd
        cols = ["IdApoyo", "SCodigo", "IdPersonal", "IdConcepto", "dFechaSolicitud",
                "SApoyoSolicitado", "dMonto", "URL_documentos", "IdUsuarioRealizo",
                "DFechaRealizo"]
        rows = []
        for i in range(1, max(1, self.n // 8) + 1):
            when = datetime.datetime.combine(
                self.today - datetime.timedelta(days=r.randint(0, 400)),
                datetime.time(r.randint(8, 18), r.randint(0, 59)))
            rows.append((i, f"APO{i:07d}", r.randint(1, self.n), r.choice(self.conceptos), when,
                         r.choice(["ENTREGA EN DOMICILIO", "ENTREGA EN OFICINA", "",
                                   "SOLICITADO POR EL LÍDER"]),
                         round(r.choice([250, 500, 750, 1000, 1500, 2000]) * 1.0, 2),
                         f"apoyos/APOYO-{i}/", 1, when))
        w.insert("activ_apoyos", cols, rows)

    # --- users, roles and rights ----------------------------------------------------------
    def users(self, w):
        # Only the administrator may correct any person's voter key (EAdmin).
        w.insert("master_usuarios", ["IdUsuario", "sUsuario", "sMail", "sNombre", "Telefono",
                                     "EActivo", "EAdmin", "sPassword"],
                 [(1, "admin", "admin@orva.mx", "ADMINISTRADOR", "(771)000-0000", "Si", "Si",
                   "Admin2026"),
                  (2, "capturista", "captura@orva.mx", "ROSA MARTINEZ ISLAS", "(771)555-0101",
                   "Si", "No", Raw(f"AES_ENCRYPT('Captura2026', '{AES_KEY}')"))])
        w.insert("admin_roles", ["IdRol", "SCodigo", "SDescripcion", "EActivo"],
                 [(1, "ROL000001", "ADMINISTRADOR", "Si"), (2, "ROL000002", "CAPTURISTA", "Si")])
        w.insert("admin_roles_usuarios", ["IdRolUsuario", "IdRol", "IdUsuario"],
                 [(1, 1, 1), (2, 2, 2)])
        # The administrator sees every structure; the data-entry user two of them.
        w.insert("activ_usuarios_estructuras", ["IdUsuario", "IdEstructura"],
                 [(1, e) for e in self.estructuras] + [(2, 1), (2, 2)])
        # Rights of the data-entry role: people, assignments and deliveries, without deleting.
        self.out_rights(w)

    def out_rights(self, w):
        granted = ("dxColaboradores", "dxAsignaciones", "dxApoyos", "cxClavesElector",
                   "cxVencimientosCredencial")
        w.out.write(
            "INSERT INTO admin_permisos_roles (IdRol, IdOpcion, acceder, insertar, editar, "
            "eliminar, imprimir, exportar)\n"
            "SELECT 1, IdOpcion, 'Si', 'Si', 'Si', 'Si', 'Si', 'Si' FROM master_opciones;\n"
            "INSERT INTO admin_permisos_roles (IdRol, IdOpcion, acceder, insertar, editar, "
            "eliminar, imprimir, exportar)\n"
            "SELECT 2, IdOpcion, IF(SNombreForm_Programa IN (" +
            ", ".join(lit(g) for g in granted) +
            "), 'Si', 'No'), 'Si', 'Si', 'No', 'Si', 'Si' FROM master_opciones;\n")

    def kardex(self, w):
        w.insert("kardex_sistema", ["IdUsuario", "DFecha", "SHora", "SDescripcion", "SNombre"],
                 [(2, self.today - datetime.timedelta(days=d), f"{9 + d % 8:02d}:15:00.000",
                   "Accede a sistema ", "ROSA MARTINEZ ISLAS") for d in range(10)])


def main():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("--people", type=int, default=2000)
    p.add_argument("--seed", type=int, default=20261210)
    p.add_argument("--year", type=int, default=datetime.date.today().year)
    a = p.parse_args()
    out = sys.stdout
    out.write("SET NAMES utf8mb4;\nSET autocommit=0;\nSET unique_checks=0;\n")
    demo = Demo(a.people, a.seed, a.year)
    w = Writer(out)
    demo.geography(w)
    demo.organisation(w)
    demo.people(w)
    demo.assignments(w)
    demo.apoyos(w)
    demo.users(w)
    demo.kardex(w)
    out.write("COMMIT;\nSET unique_checks=1;\n")


if __name__ == "__main__":
    main()
