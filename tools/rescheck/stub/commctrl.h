/* Stands in for the system header when resource scripts are preprocessed
   to check their ids: ids never come from it, styles do not matter. */
