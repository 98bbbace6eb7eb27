// The tables of the head office's database that the transfer writes, sized for the fields they take.
// README.md shows the same statements.
#include "exchange/mysql_statements.h"

namespace exchange {

const std::vector<std::string>& SchemaStatements() {
  static const std::vector<std::string> statements = {
      "CREATE TABLE IF NOT EXISTS sales_header ("
      "invoice VARCHAR(20) NOT NULL, no_order VARCHAR(20), relasi VARCHAR(10), tipe_jual VARCHAR(2), "
      "kode_sales VARCHAR(4), tanggal DATE, tgl_tempo DATE, tgl_order DATE, tgl_kirim DATE, "
      "ktr1 VARCHAR(20), ktr2 VARCHAR(20), discount DECIMAL(6,2), discount2 DECIMAL(6,2), "
      "kode_cabang VARCHAR(6), code_id VARCHAR(4), doctype VARCHAR(7) NOT NULL, transaction_id VARCHAR(2), "
      "nilaiDpp DECIMAL(18,2), nilaiPpn DECIMAL(18,2), amount DECIMAL(18,2), dppline DECIMAL(18,2), "
      "tradeDiscount DECIMAL(18,2), ppnPercent DECIMAL(5,2), currencyId VARCHAR(3), nilaiKurs DECIMAL(12,4), "
      "nilaiDpp_orig DECIMAL(18,2), nilaiPpn_orig DECIMAL(18,2), amount_orig DECIMAL(18,2), "
      "dppLine_orig DECIMAL(18,2), tradeDiscount_orig DECIMAL(18,2), "
      "PRIMARY KEY (invoice, doctype)) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4",
      "CREATE TABLE IF NOT EXISTS sales_detail ("
      "id BIGINT UNSIGNED NOT NULL AUTO_INCREMENT, invoice VARCHAR(20) NOT NULL, kd_barang VARCHAR(10), "
      "kd_gudang VARCHAR(6), quantity DECIMAL(12,2), harga DECIMAL(16,2), discount DECIMAL(6,2), "
      "discount2 DECIMAL(6,2), notes VARCHAR(20), doctype VARCHAR(7) NOT NULL, nilaiDpp DECIMAL(18,2), "
      "nilaiPpn DECIMAL(18,2), amount DECIMAL(18,2), priceTax DECIMAL(18,2), totalPriceTax DECIMAL(18,2), "
      "tradeDiscount DECIMAL(18,2), ppnPercent DECIMAL(5,2), nilaiDpp_orig DECIMAL(18,2), "
      "nilaiPpn_orig DECIMAL(18,2), amount_orig DECIMAL(18,2), tradeDiscount_orig DECIMAL(18,2), "
      "PRIMARY KEY (id), KEY document (invoice, doctype)) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4",
      "CREATE TABLE IF NOT EXISTS master_barang_jadi ("
      "kode VARCHAR(10) NOT NULL, golongan VARCHAR(10), nama VARCHAR(20), nama2 VARCHAR(50), "
      "satuan VARCHAR(6), harga DECIMAL(14,2), harga1 DECIMAL(14,2), harga2 DECIMAL(14,2), "
      "harga3 DECIMAL(14,2), harga4 DECIMAL(14,2), isi_pack DECIMAL(9,2), isi_dos DECIMAL(9,2), "
      "PRIMARY KEY (kode)) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4",
      "CREATE TABLE IF NOT EXISTS master_customer_id ("
      "customer_id VARCHAR(10) NOT NULL, company_id VARCHAR(5), branch_id VARCHAR(4), short_name VARCHAR(40), "
      "statment_name VARCHAR(40), addres_id VARCHAR(10), npwp_id VARCHAR(15), contact_person VARCHAR(20), "
      "address VARCHAR(91), city VARCHAR(15), country_code VARCHAR(10), teritory_id VARCHAR(10), "
      "class_id VARCHAR(4), phone1 VARCHAR(40), fax VARCHAR(40), trade_discount DECIMAL(6,2), "
      "payment_term VARCHAR(20), price_level DECIMAL(18,2), coa_piutang VARCHAR(30), "
      "coa_penerimaan_giro VARCHAR(30), coa_penerimaan_crmemo VARCHAR(30), coa_penerimaan_retur VARCHAR(30), "
      "coa_term_disc_availeble VARCHAR(30), coa_finance_charge VARCHAR(30), coa_write_off VARCHAR(30), "
      "coa_giro_mundur VARCHAR(30), coa_over_write_off VARCHAR(30), coa_sales VARCHAR(30), "
      "PRIMARY KEY (customer_id)) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4",
      "CREATE TABLE IF NOT EXISTS master_npwp ("
      "npwp VARCHAR(15) NOT NULL, nama VARCHAR(65), alamat VARCHAR(141), kota VARCHAR(15), "
      "PRIMARY KEY (npwp)) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4",
      "CREATE TABLE IF NOT EXISTS master_sales ("
      "kode_sales VARCHAR(4) NOT NULL, nama VARCHAR(20), no_induk VARCHAR(10), branch_id VARCHAR(4), "
      "PRIMARY KEY (kode_sales)) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4",
  };
  return statements;
}

}  // namespace exchange
