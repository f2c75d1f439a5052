SELECT * FROM expense_Invoices
WHERE State < {State}
  AND ({FromDateOfPosting} IS NULL OR DateOfPosting >= {FromDateOfPosting})
  AND ({ToDateOfPosting} IS NULL OR DateOfPosting <= {ToDateOfPosting})
ORDER BY InvoiceDate, LEN(InvoiceNumber), InvoiceNumber, Invoice_ID
