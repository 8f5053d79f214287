#!/usr/bin/env python3
"""Reads the golden three-line export with xlrd, a reader written apart from the program, and checks
the 106 titles and every cell's type and value. Usage: read_golden_xlrd.py FILE"""

import sys

import xlrd

TITLES = """
Linea rut dv ape_pat ape_mat nombres sexo nacion tipo_pago remu_desde remu_hasta reg_previ
tipo_trab dias_trab tipo_linea cod_mov Fecha_Desde Fecha_Hasta Tramo_Fam num_car_sim num_car_mat
num_car_inv asig_fam asig_fam_ret reint_cargas sub_trab_jov nom_AFP impo_afp cot_obli_afp
aporte_sis ahorro_afp sust_afp tasa_pac_afp aporte_indem num_per_sust per_desde_sust per_hasta_sust
trab_pesado porc_trab_pesado cot_trab_pesado inst_apvi num_contra_apvi forma_pago_apvi cotiza_apvi
cot_dep_conv inst_apvc num_contra_apvc forma_pago_apvc cotiza_apvc cot_emp_apvc rut_afi_volun
dv_afi_volun ape_pat_volun ape_mat_volun nombre_volun cod_mov_per_volun fec_desde_volun
fec_hasta_volun cod_afp_volun monto_cap_volun monto_aho_vol num_per_cotiza cod_ex_caja tasa_ex_caja
renta_imp_fonasa cot_INP Renta_imp_des cod_ex_caja_des tasa_ex_caja_des cot_desahucio cotiza_fonasa
cot_acc_trab_inp boni_ley desc_cargas_fam_inp bonos_gob cod_inst_salud num_FUN impo_isapre
moneda_plan cot_pactada cot_obli_isa cot_ad_vol monto_ges cod_CCAF impo_ccaf Cred_per_CCAF
Desc_Dental desc_leassing desc_seg_vida otros_desc_ccaf cot_CCAF Desc_Car_fam otros_desc_ccaf1
otros_desc_ccaf2 bono_gob_ccaf cod_sucur_ccaf cod_mutual impo_mutual cotiza_mutual sucur_mutual
Renta_impo_SC Aporte_trab_SC aporte_emp_SC rut_pag_subs dv_pag_subs centro_costo
""".split()

TEXT, NUMBER = xlrd.XL_CELL_TEXT, xlrd.XL_CELL_NUMBER

# (row, column): (type, value) of every cell below the titles; every other cell is empty.
CELLS = {
    (1, 0): (NUMBER, 1), (1, 1): (NUMBER, 12345678), (1, 2): (TEXT, "K"),
    (1, 3): (TEXT, "PEÑA"), (1, 5): (TEXT, "ANA MARÍA"), (1, 7): (NUMBER, 0),
    (1, 8): (TEXT, "01"), (1, 16): (TEXT, "01-03-2024"), (1, 22): (NUMBER, 2.5),
    (1, 27): (NUMBER, 500000), (1, 28): (NUMBER, 0.3), (1, 105): (TEXT, "CENTRO 1"),
    (2, 0): (NUMBER, 2), (2, 1): (NUMBER, 7654321), (2, 2): (TEXT, "1"),
    (2, 3): (TEXT, "O'HIGGINS"), (2, 7): (NUMBER, 1), (2, 37): (TEXT, "W" * 40),
    (2, 38): (NUMBER, 4.75), (2, 63): (NUMBER, -1234.5),
    (3, 0): (NUMBER, 3), (3, 1): (NUMBER, 99999999),
}


def main(path):
    book = xlrd.open_workbook(path, encoding_override="cp1252")
    failures = []
    if book.nsheets != 1:
        failures.append("sheets: %d" % book.nsheets)
    sheet = book.sheet_by_index(0)
    if (sheet.nrows, sheet.ncols) != (4, 106):
        failures.append("size: %d rows, %d columns" % (sheet.nrows, sheet.ncols))
    if len(TITLES) != 106:
        failures.append("the script holds %d titles" % len(TITLES))
    for column, title in enumerate(TITLES):
        cell = sheet.cell(0, column)
        if (cell.ctype, cell.value) != (TEXT, title):
            failures.append("title %d: %r" % (column, cell))
    for row in range(1, sheet.nrows):
        for column in range(sheet.ncols):
            cell = sheet.cell(row, column)
            expected = CELLS.get((row, column), (xlrd.XL_CELL_EMPTY, ""))
            if (cell.ctype, cell.value) != expected:
                failures.append("cell %d,%d: %r, expected %r" % (row, column, cell, expected))
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
